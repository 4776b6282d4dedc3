#include "engine/core/PowerFlow.h"
#include "exchange/ErrorReporter.h"
#include "exchange/PowerFlowCommands.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/examples/ExampleFiles.h"
#include "tests/exchange/FakeUserInterface.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace tarvex::test;

namespace {

// The bus and branch cards of the published IEEE common data format file, read by
// their columns (1-based in the comments).
struct BusCard {
    int number, type, area;
    std::string name;
    double finalV, finalAngle, loadP, loadQ, genP, desiredV, qMax, qMin, shuntB;
};
struct BranchCard {
    int from, to;
    double r, x, b, tap;
};

double field(const std::string& card, std::size_t first, std::size_t last) {
    return std::stod(card.substr(first - 1, last - first + 1));
}

void readCdf(std::vector<BusCard>& buses, std::vector<BranchCard>& branches) {
    std::istringstream in(readFileText(casePath("ieee14cdf.txt")));
    std::string card;
    int section = 0;
    while (std::getline(in, card)) {
        if (card.rfind("BUS DATA", 0) == 0)
            section = 1;
        else if (card.rfind("BRANCH DATA", 0) == 0)
            section = 2;
        else if (card.rfind("-99", 0) == 0)
            section = 0;
        else if (section == 1)
            buses.push_back({static_cast<int>(field(card, 1, 4)),
                             static_cast<int>(field(card, 25, 26)),
                             static_cast<int>(field(card, 19, 20)), card.substr(5, 12),
                             field(card, 28, 33), field(card, 34, 40), field(card, 41, 49),
                             field(card, 50, 59), field(card, 60, 67), field(card, 85, 90),
                             field(card, 91, 98), field(card, 99, 106), field(card, 115, 122)});
        else if (section == 2)
            branches.push_back({static_cast<int>(field(card, 1, 4)),
                                static_cast<int>(field(card, 6, 9)), field(card, 20, 29),
                                field(card, 30, 40), field(card, 41, 50), field(card, 77, 82)});
    }
}

class Ieee14ExampleTest : public ::testing::Test {
protected:
    void SetUp() override {
        readCdf(buses, branches);
        ASSERT_EQ(buses.size(), 14u);
        ASSERT_EQ(branches.size(), 20u);
        ASSERT_EQ(openExample("ieee14", doc, app), "");
    }

    std::vector<BusCard> buses;
    std::vector<BranchCard> branches;
    CSkemtorDoc doc;
    CSkemtorApp app;
};

// The example carries the published case's input data, bus by bus and branch by branch.
TEST_F(Ieee14ExampleTest, HoldsTheDataOfTheBusAndBranchCards) {
    ASSERT_EQ(doc.GetBusCount(), 14);
    for (const BusCard& card : buses) {
        SCOPED_TRACE("bus " + std::to_string(card.number));
        const CBus* bus = doc.FindBus(card.number);
        ASSERT_NE(bus, nullptr);
        EXPECT_EQ(bus->m_name, card.name);
        EXPECT_EQ(bus->m_area, card.area);
        EXPECT_EQ(bus->m_type, card.type);
        EXPECT_DOUBLE_EQ(bus->m_loadP, card.loadP);
        EXPECT_DOUBLE_EQ(bus->m_loadQ, card.loadQ);
        double shunt = 0.0;
        for (const auto& capacitor : doc.CapacitanceArray())
            if (capacitor->m_bus == card.number) shunt = capacitor->m_susceptance;
        EXPECT_DOUBLE_EQ(shunt, card.shuntB);
        if (card.type == CBus::kLoad) continue;
        EXPECT_DOUBLE_EQ(bus->m_voltage, card.desiredV);
        if (card.type != CBus::kGenerator) continue;
        EXPECT_DOUBLE_EQ(bus->m_genP, card.genP);
        EXPECT_DOUBLE_EQ(bus->m_qMax, card.qMax);
        EXPECT_DOUBLE_EQ(bus->m_qMin, card.qMin);
    }
    ASSERT_EQ(doc.GetLineCount(), 20);
    for (int i = 0; i < 20; ++i) {
        const BranchCard& card = branches[static_cast<std::size_t>(i)];
        const CLine& line = *doc.GetLine(i);
        SCOPED_TRACE("branch " + std::to_string(card.from) + "-" + std::to_string(card.to));
        EXPECT_EQ(line.m_bus1, card.from);
        EXPECT_EQ(line.m_bus2, card.to);
        EXPECT_DOUBLE_EQ(line.m_r, card.r);
        EXPECT_DOUBLE_EQ(line.m_x, card.x);
        EXPECT_DOUBLE_EQ(line.m_b, card.b);
        EXPECT_DOUBLE_EQ(line.m_tap, card.tap);
        EXPECT_EQ(line.m_transformer, card.tap != 0.0 ? 1 : 0);
    }
}

// Run power flow on the example from its flat start reaches the published solution,
// the final voltage and angle on each bus card.
TEST_F(Ieee14ExampleTest, PowerFlowFindsThePublishedSolution) {
    ScopedWorkDir dir;
    app.m_mode = CSkemtorApp::Mode::PowerFlow;
    FakeUserInterface ui;
    const CErrorReporter errors{{}};
    CPowerFlowCommands(doc, app, ui, errors, tarvex::engine::PFLINFLO).RunPowerFlow();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    for (const BusCard& card : buses) {
        const CBus& bus = *doc.FindBus(card.number);
        ASSERT_EQ(bus.m_pfValid, 1);
        EXPECT_NEAR(bus.m_pfVoltage, card.finalV, 0.002) << "bus " << card.number;
        EXPECT_NEAR(bus.m_pfAngle, card.finalAngle, 0.1) << "bus " << card.number;
    }
}

} // namespace
