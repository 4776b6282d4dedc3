#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <gtest/gtest.h>

namespace {

TEST(BusTest, NewBusIsNumberedOnePastTheCountWhateverNumbersExist) {
    CSkemtorDoc doc;
    for (int i = 0; i < 3; ++i)
        doc.AddBus(std::make_unique<CBus>(100, -100, 1, doc.NextBusNumber()));
    doc.GetBus(0)->m_number = 4; // renumbered in its dialog
    EXPECT_EQ(doc.NextBusNumber(), 4);
    doc.RemoveBus(1);
    EXPECT_EQ(doc.NextBusNumber(), 3);
}

TEST(BusTest, BarRectangleFromTheLowerRightCornerAndInclusiveHitTest) {
    const CBus horizontal(200, -100, 1, 1);
    EXPECT_EQ(horizontal.GetRect(), (CRectL{130, -90, 200, -100}));
    EXPECT_TRUE(horizontal.HitTest(130, -90));
    EXPECT_TRUE(horizontal.HitTest(200, -100));
    EXPECT_FALSE(horizontal.HitTest(129, -95));
    EXPECT_FALSE(horizontal.HitTest(150, -89));

    const CBus vertical(200, -100, 0, 1);
    EXPECT_EQ(vertical.GetRect(), (CRectL{190, -30, 200, -100}));
}

TEST(BusTest, ResizeAboutTheCentreAndMoveRestoresTheStandardBar) {
    CBus bus(200, -100, 1, 1);
    bus.Resize(10, 70); // same size: unchanged
    EXPECT_EQ(bus.GetRect(), (CRectL{130, -90, 200, -100}));

    bus.Resize(30, 101); // grows by (30-10)/2 = 10 and (101-70)/2 = 15 each side
    EXPECT_EQ(bus.GetRect(), (CRectL{115, -80, 215, -110}));

    bus.Resize(5, 70); // shrinks by (5-30)/2 = -12 (truncated toward zero)
    EXPECT_EQ(bus.GetRect(), (CRectL{130, -92, 200, -98}));

    bus.MoveTo(300, -200);
    EXPECT_EQ(bus.GetRect(), (CRectL{230, -190, 300, -200}));
}

TEST(BusTest, PowerFlowResultWritesTheSolvedStateBackByBusType) {
    struct Case {
        int type;
        double voltage, genP, genQ; // input data after the result
    };
    // Start: voltage 1.05, generation 10 MW / 5 MVAr; result 0.98 p.u., -3 degrees,
    // 60 MW, 20 MVAr.
    const Case cases[] = {
        {CBus::kLoad, 0.98, 10, 5},
        {CBus::kGenerator, 1.05, 10, 20},
        {CBus::kSlack, 1.05, 60, 20},
    };
    for (const Case& c : cases) {
        CBus bus(0, 0, 1, 1);
        bus.m_type = c.type;
        bus.m_voltage = 1.05;
        bus.m_genP = 10;
        bus.m_genQ = 5;
        bus.SetPowerFlowResult(0.98, -3.0, 60, 20, 1);
        SCOPED_TRACE(c.type);
        EXPECT_EQ(bus.m_voltage, c.voltage);
        EXPECT_EQ(bus.m_angle, -3.0);
        EXPECT_EQ(bus.m_genP, c.genP);
        EXPECT_EQ(bus.m_genQ, c.genQ);
        EXPECT_EQ(bus.m_pfVoltage, 0.98);
        EXPECT_EQ(bus.m_pfP, 60);
        EXPECT_EQ(bus.m_pfValid, 1);
    }
}

TEST(BusTest, ClearingResultsStartsTheNextCaseFlat) {
    CBus bus(0, 0, 1, 1);
    bus.SetPowerFlowResult(0.93, -12.0, 0, 0, 1);
    bus.SetPowerFlowResult(1.0, 0, 0, 0, 0);
    EXPECT_EQ(bus.m_voltage, 1.0);
    EXPECT_EQ(bus.m_angle, 0.0);
    EXPECT_EQ(bus.m_pfValid, 0);
}

TEST(BusTest, ResetDataLeavesLimitsOfOnePerUnit) {
    CBus bus(0, 0, 1, 1);
    bus.m_type = CBus::kGenerator;
    bus.m_voltage = 1.04;
    bus.m_loadP = 50;
    bus.SetPowerFlowResult(1.04, -2, 0, 30, 1);
    bus.SetEstimate(1.03, -2.1, 1);
    bus.ResetData();
    EXPECT_EQ(bus.m_voltage, 1.0);
    EXPECT_EQ(bus.m_loadP, 0.0);
    EXPECT_EQ(bus.m_genQ, 0.0);
    EXPECT_EQ(bus.m_qMax, 1.0);
    EXPECT_EQ(bus.m_qMin, -1.0);
    EXPECT_EQ(bus.m_pfValid, 0);
    EXPECT_EQ(bus.m_seValid, 0);
    EXPECT_EQ(bus.m_type, CBus::kGenerator);
}

TEST(SymbolTest, RectangleLiesOnTheSideGivenByTheOrientation) {
    struct Case {
        int orientation;
        CRectL shunt, generator;
    };
    const Case cases[] = {
        {0, {80, -45, 100, -55}, {75, -42, 100, -58}},
        {90, {95, -50, 105, -70}, {92, -50, 108, -75}},
        {180, {100, -45, 120, -55}, {100, -42, 125, -58}},
        {270, {95, -30, 105, -50}, {92, -25, 108, -50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        EXPECT_EQ(CCapacitance(100, -50, c.orientation, 1).GetRect(), c.shunt);
        EXPECT_EQ(CVoltage(100, -50, c.orientation, 1, 1.0, 0.001).GetRect(), c.shunt);
        EXPECT_EQ(CGenerator(100, -50, c.orientation, 1).GetRect(), c.generator);
    }
    EXPECT_EQ(CCircuitBreaker(100, -50, 1, 2).GetRect(), (CRectL{97, -47, 103, -53}));
    EXPECT_EQ(CPowerFlow(100, -50, 1, 2, 0, 0, 0.001).GetRect(), (CRectL{97, -47, 103, -53}));
}

CLine makeLine(std::initializer_list<CPointL> points) {
    const std::vector<CPointL> copy(points);
    return CLine(copy.data(), static_cast<int>(copy.size()), 1, 1, 2, 1, CSkemtorApp());
}

TEST(LineTest, PolylineHitTest) {
    // Up from (100,-100) to (100,-20), across to (300,-20), then obliquely (slope -2) to
    // (400,-220).
    const CLine line = makeLine({{100, -100}, {100, -20}, {300, -20}, {400, -220}});
    struct Case {
        int x, y;
        bool hit;
    };
    const Case cases[] = {
        {104, -60, true},
        {96, -60, true},
        {105, -60, false}, // vertical: 4 units either side
        {100, -100, false},
        {100, -20, false}, // end points are not between
        {200, -16, true},
        {200, -25, false},
        {300, -20, false}, // horizontal
        // Oblique: the integer quotient of the cursor offset must equal the segment's -2.
        // It truncates toward zero, so the band is coarse: -110/50 and -140/50 are -2 too.
        {350, -120, true},
        {350, -118, false},
        {350, -130, true},
        {350, -160, true},
        {350, -170, false},
        {450, -320, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(line.HitTest(c.x, c.y), c.hit);
    }
}

TEST(LineTest, AreaAndTieLineFromTheEndBuses) {
    CLine line = makeLine({{0, 0}, {10, 0}});
    line.SetArea(1, 2);
    EXPECT_EQ(line.m_area, 99);
    EXPECT_EQ(line.m_tieLine, 1);
    line.SetArea(1, 1);
    EXPECT_EQ(line.m_area, 1);
    EXPECT_EQ(line.m_tieLine, 0);
}

TEST(LineTest, FlowResultPerEndAndClear) {
    CLine line = makeLine({{0, 0}, {10, 0}});
    line.SetFlowResult(0.5, 0.1, 2);
    EXPECT_EQ(line.m_flowValid1, 0);
    EXPECT_EQ(line.m_flowValid2, 1);
    EXPECT_EQ(line.m_flowP2, 0.5);
    line.SetFlowResult(0.4, 0.2, 1);
    line.SetFlowResult(0, 0, 0);
    EXPECT_EQ(line.m_flowValid1, 0);
    EXPECT_EQ(line.m_flowValid2, 0);
    EXPECT_EQ(line.GetBus(1), 1);
    EXPECT_EQ(line.GetBus(2), 2);
    EXPECT_EQ(line.GetBus(3), 0);
}

TEST(LineTest, PlacingTakesTheBranchDefaultsAndAtMostOneHundredPoints) {
    CSkemtorApp app;
    app.m_defaultR = 0.01;
    app.m_defaultX = 0.1;
    app.m_defaultTap = 1.0;
    app.m_defaultMvaLimit = 150;
    std::vector<CPointL> points(120, CPointL{5, 5});
    const CLine line(points.data(), 120, 3, 1, 4, 0, app);
    EXPECT_EQ(line.m_r, 0.01);
    EXPECT_EQ(line.m_x, 0.1);
    EXPECT_EQ(line.m_tap, 1.0);
    EXPECT_EQ(line.m_mvaLimit, 150);
    EXPECT_EQ(line.m_zeroSeqDisabled, 1);
    EXPECT_EQ(line.GetPointCount(), CLine::kMaxPoints);
}

TEST(GeneratorTest, CostCurveAtAndAroundTheBreakPoints) {
    CGenerator gen(0, 0, 0, 1);
    gen.m_costP = {10, 20, 40, 80};
    gen.m_costPValue = {100, 150, 250, 450};
    struct Case {
        double p, cost;
    };
    const Case cases[] = {
        {5, 75},                         // below P1: the first segment extended
        {10, 100}, {15, 125}, {20, 150}, // exactly P2 belongs to the first segment
        {30, 200}, {40, 250}, {60, 350}, {80, 450},
    };
    for (const Case& c : cases) {
        gen.UpdateCost(c.p);
        EXPECT_DOUBLE_EQ(gen.m_realPowerCost, c.cost) << "P = " << c.p;
    }
    gen.UpdateCost(90); // above P4: keeps the previous cost
    EXPECT_DOUBLE_EQ(gen.m_realPowerCost, 450);
}

TEST(MeterTest, ResidualPositionIsStoredOneBased) {
    CPowerFlow flow(0, 0, 3, 5, 0.5, 0.1, 0.001);
    flow.SetRealResidual(4.2, 2, 1, 0);
    flow.SetReactiveResidual(1.1, 0, 1, 2);
    EXPECT_EQ(flow.m_pPosition, 1);
    EXPECT_EQ(flow.m_qPosition, 3);
    EXPECT_EQ(flow.m_pClass, 2.0);

    CVoltage voltage(0, 0, 0, 1, 1.0, 0.001);
    voltage.SetEstimateResult(1.01, 1.0, 1);
    voltage.SetResidualResult(0, 0, 0, 0); // clearing residuals also hides the estimate
    EXPECT_EQ(voltage.m_valid, 0);
}

TEST(ElementTest, BreakerToggleAndFaultType) {
    CCircuitBreaker breaker(0, 0, 2, 5);
    breaker.Toggle();
    EXPECT_EQ(breaker.IsClosed(), 0);
    breaker.m_closed = 7; // anything but 1 toggles to closed
    breaker.Toggle();
    EXPECT_EQ(breaker.IsClosed(), 1);
    EXPECT_TRUE(breaker.Matches(5, 2));
    EXPECT_FALSE(breaker.Matches(2, 6));

    CShort fault(0, 0, 0, 1);
    fault.SetFaultType(0);
    EXPECT_EQ(fault.m_faultType, CShort::kThreePhase);
    fault.SetFaultType(1);
    EXPECT_EQ(fault.m_faultType, CShort::kSinglePhase);
}

TEST(DocumentTest, AccessorsGuardTheirIndexAndMarkTheDocumentModified) {
    CSkemtorDoc doc;
    EXPECT_EQ(doc.GetBus(0), nullptr);
    EXPECT_EQ(doc.RemoveBus(0), 0);
    EXPECT_FALSE(doc.IsModified());
    doc.AddBus(std::make_unique<CBus>(0, 0, 1, 1));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetBus(-1), nullptr);
    EXPECT_EQ(doc.GetBus(1), nullptr);
    EXPECT_NE(doc.GetBus(0), nullptr);
    EXPECT_EQ(doc.RemoveBus(1), 0);
    EXPECT_EQ(doc.RemoveBus(0), 1);
    EXPECT_EQ(doc.GetBusCount(), 0);
}

TEST(DocumentTest, MeterCountsAndDeleteContents) {
    CSkemtorDoc doc;
    auto flow = [](int pOn, int qOn) {
        auto m = std::make_unique<CPowerFlow>(0, 0, 1, 2, 0, 0, 0.001);
        m->m_pEnabled = pOn;
        m->m_qEnabled = qOn;
        return m;
    };
    doc.AddPowerFlow(flow(1, 1));
    doc.AddPowerFlow(flow(1, 0));
    doc.AddPowerFlow(flow(0, 0)); // counts for neither part, but is still a meter
    auto injection = std::make_unique<CPowerInjection>(0, 0, 0, 1, 0, 0, 0.001);
    injection->m_pEnabled = 0;
    doc.AddPowerInjection(std::move(injection));
    EXPECT_EQ(doc.GetPowerFlowRealCount(), 2);
    EXPECT_EQ(doc.GetPowerFlowReactiveCount(), 1);
    EXPECT_EQ(doc.GetPowerInjectionRealCount(), 0);
    EXPECT_EQ(doc.GetPowerInjectionReactiveCount(), 1);
    EXPECT_EQ(doc.GetPowerFlowCount(), 3);

    doc.AddBus(std::make_unique<CBus>(0, 0, 1, 1));
    doc.AddGenerator(std::make_unique<CGenerator>(0, 0, 0, 1));
    doc.m_newLinePointCount = 3;
    doc.DeleteContents();
    EXPECT_EQ(doc.GetBusCount() + doc.GetPowerFlowCount() + doc.GetPowerInjectionCount() +
                  doc.GetGeneratorCount(),
              0);
    EXPECT_EQ(doc.m_newLinePointCount, 0);
}

TEST(AppStateTest, InitialSettingsAndTheCaseNameRule) {
    CSkemtorApp app;
    EXPECT_EQ(app.m_mode, CSkemtorApp::Mode::NetworkEdit);
    EXPECT_EQ(app.m_tool, CSkemtorApp::Tool::Pointer);
    EXPECT_EQ(app.m_canvasSize.width, 6000);
    EXPECT_EQ(app.m_mvaBase, 100.0);
    EXPECT_EQ(app.m_faultBus1, 1);
    EXPECT_EQ(app.m_faultBus2, 2);
    EXPECT_EQ(app.m_opfConstraints, 0);
    EXPECT_EQ(app.m_resultFileSwitch, 1);
    EXPECT_EQ(app.m_residualThreshold, 1.96);

    app.SetCaseName(std::string(40, 'A'));
    EXPECT_EQ(app.m_caseName, std::string(31, 'A'));
    app.SetCaseName("SHORT");
    EXPECT_EQ(app.m_caseName, "SHORT" + std::string(26, ' '));
}

} // namespace
