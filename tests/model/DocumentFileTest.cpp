#include "model/DocumentFile.h"
#include "model/Archive.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/model/ArchiveBytes.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using tarvex::test::ArchiveBytes;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

namespace {

// One element of every class, every saved field distinct, and results and selection
// set as they would be after an analysis.
void fillEveryClass(CSkemtorDoc& doc) {
    auto bus = std::make_unique<CBus>(100, 200, 1, 7);
    bus->m_name = "North";
    bus->m_voltage = 1.02;
    bus->m_type = CBus::kGenerator;
    bus->SetPowerFlowResult(1.01, -2.5, 40, 10, 1);
    bus->SetEstimate(1.0, -2.4, 1);
    bus->SetShortCircuitResult(5, 6, 0.5, 7);
    bus->SetSelected(1);
    doc.AddBus(std::move(bus));

    auto line = std::make_unique<CLine>();
    line->m_r = 0.01;
    line->m_x = 0.1;
    line->m_g = 0.002;
    line->m_b = 0.03;
    line->m_tap = 0.98;
    line->m_r0 = 0.05;
    line->m_x0 = 0.3;
    line->m_phase = 5;
    line->m_bus1 = 7;
    line->m_bus2 = 8;
    line->m_bus1Horizontal = 1;
    line->m_pointCount = 3;
    line->m_points[0] = {1, 2};
    line->m_points[1] = {3, 4};
    line->m_points[2] = {5, 6};
    line->m_mvaLimit = 120;
    line->SetFlowResult(0.4, 0.1, 1);
    line->SetFlowResult(-0.39, -0.09, 2);
    line->MarkResultSeen(1);
    line->SetObservable(0);
    line->SetWithinLimit(0);
    line->SetShortCircuitResult(3, 4, 2);
    line->SetSelected(1);
    doc.AddLine(std::move(line));

    auto capacitance = std::make_unique<CCapacitance>(10, 20, 90, 7);
    capacitance->m_susceptance = -0.2;
    doc.AddCapacitance(std::move(capacitance));

    auto flow = std::make_unique<CPowerFlow>(30, 40, 7, 8, 0.4, 0.1, 0.02);
    flow->m_qSd = 0.03;
    flow->m_pEnabled = 0;
    flow->SetRealEstimate(0.4, 0.41, 1);
    flow->SetReactiveResidual(2.5, 2, 1, 0);
    doc.AddPowerFlow(std::move(flow));

    auto current = std::make_unique<CCurrent>(50, 60, 8, 7, 0.7, 0.004);
    current->SetEstimateResult(0.7, 0.69, 1);
    doc.AddCurrent(std::move(current));

    auto injection = std::make_unique<CPowerInjection>(70, 80, 180, 7, -0.5, 0.2, 0.005);
    injection->m_qEnabled = 0;
    injection->SetRealResidual(3.1, 1, 1, 2);
    doc.AddPowerInjection(std::move(injection));

    auto voltage = std::make_unique<CVoltage>(90, 100, 270, 8, 1.03, 0.006);
    voltage->SetResidualResult(1.5, 2, 1, 1);
    doc.AddVoltage(std::move(voltage));

    doc.AddShort(std::make_unique<CShort>(110, 120, 0, 8));
    doc.GetShort(0)->SetFaultType(CShort::kSinglePhase);

    auto ground = std::make_unique<CZground>(130, 140, 90, 7);
    ground->m_r1 = 0.11;
    ground->m_x1 = 0.12;
    ground->m_r0 = 0.13;
    ground->m_x0 = 0.14;
    ground->m_posEnabled = 1;
    doc.AddZground(std::move(ground));

    auto breaker = std::make_unique<CCircuitBreaker>(150, 160, 7, 8);
    breaker->Toggle();
    doc.AddBreaker(std::move(breaker));

    auto generator = std::make_unique<CGenerator>(170, 180, 180, 7);
    generator->m_model = CGenerator::kTwoAxis;
    generator->m_costPValue = {110, 120, 130, 140};
    generator->m_costQ = {5, 6, 7, 8};
    generator->m_realPowerCost = 99;
    doc.AddGenerator(std::move(generator));
}

// The same document spelled out field by field from the document file's record table.
std::string everyClassBytes() {
    ArchiveBytes b;
    b.f64(100.0).str("Every class");
    // CBus (index 1, object 2)
    b.u16(1).newClass("CBus").rect(210, 30, 200, 100).i32(1).i32(7).str("North");
    b.f64(1.02).f64(-2.5).f64(0).f64(10).f64(0).f64(0).f64(100).f64(-100).i32(2).i32(0);
    // CLine (3, 4): no rectangle, x0 before r0, points last
    b.u16(1).newClass("CLine").f64(0.01).f64(0.1).f64(0.002).f64(0.03).f64(0.98);
    b.i32(7).i32(1).i32(8).i32(0).i32(3).i32(0).f64(0.3).f64(0.05);
    b.i32(1).i32(120).i32(0).i32(0).i32(0).f64(5);
    b.i32(1).i32(2).i32(3).i32(4).i32(5).i32(6);
    // CCapacitance (5, 6)
    b.u16(1).newClass("CCapacitance").rect(20, 5, 0, 15).i32(7).f64(-0.2).i32(90);
    // CPowerFlow (7, 8)
    b.u16(1).newClass("CPowerFlow").rect(43, 27, 37, 33);
    b.f64(0.4).f64(0.02).f64(0.1).f64(0.03).i32(7).i32(8).i32(1).i32(0);
    // CCurrent (9, 10)
    b.u16(1).newClass("CCurrent").rect(63, 47, 57, 53).f64(0.7).f64(0.004).i32(8).i32(7);
    // CPowerInjection (11, 12): bus, real enable, reactive enable, orientation
    b.u16(1).newClass("CPowerInjection").rect(85, 70, 75, 90);
    b.f64(-0.5).f64(0.005).f64(0.2).f64(0.005).i32(7).i32(1).i32(0).i32(180);
    // CVoltage (13, 14)
    b.u16(1).newClass("CVoltage").rect(120, 85, 100, 95).f64(1.03).f64(0.006).i32(8).i32(270);
    // CShort (15, 16)
    b.u16(1).newClass("CShort").rect(125, 90, 115, 110).i32(8).i32(1).i32(0);
    // CZground (17, 18): resistance before reactance, zero enable before positive
    b.u16(1).newClass("CZground").rect(140, 125, 120, 135).i32(7);
    b.f64(0.11).f64(0.12).f64(0.13).f64(0.14).i32(90).i32(0).i32(1);
    // CCircuitBreaker (19, 20)
    b.u16(1).newClass("CCircuitBreaker").rect(163, 147, 157, 153).i32(0).i32(7).i32(8);
    // CGenerator (21, 22): time constants before transient reactances
    b.u16(1).newClass("CGenerator").rect(188, 170, 172, 195).i32(7).i32(180);
    b.f64(0.1).f64(0.2).f64(0.3).f64(0.4).f64(0.7).f64(0.8).f64(0.5).f64(0.6).i32(2);
    b.f64(2.47).f64(3.5).f64(20).f64(1).f64(0.063).f64(0.1816).f64(0.901);
    b.f64(0.2).f64(0.314).f64(0.35).f64(7.3).f64(-7.3);
    for (double v : {1, 2, 3, 4, 110, 120, 130, 140, 5, 6, 7, 8, 10, 20, 30, 40}) b.f64(v);
    return b.bytes();
}

class DocumentFileTest : public ::testing::Test {
protected:
    ScopedWorkDir m_dir;
    CSkemtorDoc m_doc;
    CSkemtorApp m_app;
};

} // namespace

TEST_F(DocumentFileTest, EveryClassIsStoredInItsFieldOrder) {
    fillEveryClass(m_doc);
    m_app.m_caseName = "Every class";
    ASSERT_TRUE(CDocumentFile::Save("every.tvx", m_doc, m_app).ok);
    EXPECT_EQ(readFileText("every.tvx"), everyClassBytes());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DocumentFileTest, RoundTripKeepsTheNetworkAndDropsResultsAndSelection) {
    fillEveryClass(m_doc);
    m_app.m_mvaBase = 250.0;
    m_app.SetCaseName("Round trip");
    ASSERT_TRUE(CDocumentFile::Save("trip.tvx", m_doc, m_app).ok);

    CSkemtorDoc doc;
    CSkemtorApp app;
    const auto result = CDocumentFile::Load("trip.tvx", doc, app);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(app.m_mvaBase, 250.0);
    EXPECT_EQ(app.m_caseName, "Round trip                     ");
    EXPECT_FALSE(doc.IsModified());

    // Saved again, the file is the same byte for byte: every saved field came back.
    ASSERT_TRUE(CDocumentFile::Save("again.tvx", doc, app).ok);
    EXPECT_EQ(readFileText("again.tvx"), readFileText("trip.tvx"));

    const CBus& bus = *doc.GetBus(0);
    EXPECT_EQ(bus.m_voltage, 1.02);
    EXPECT_EQ(bus.m_angle, -2.5); // the power flow wrote its solution back
    EXPECT_EQ(bus.m_genQ, 10.0);
    EXPECT_EQ(bus.m_pfValid, 0);
    EXPECT_EQ(bus.m_pfVoltage, 0.0);
    EXPECT_EQ(bus.m_pfAngle + bus.m_pfP + bus.m_pfQ, 0.0);
    EXPECT_EQ(bus.m_seVoltage + bus.m_seAngle, 0.0);
    EXPECT_EQ(bus.m_scVoltage + bus.m_scAngle + bus.m_scCurrentAngle, 0.0);
    EXPECT_EQ(bus.m_seValid, 0);
    EXPECT_EQ(bus.m_scCurrent, 0.0);
    EXPECT_EQ(bus.m_selected, 0);

    const CLine& line = *doc.GetLine(0);
    EXPECT_EQ(line.m_r0, 0.05);
    EXPECT_EQ(line.m_x0, 0.3);
    EXPECT_EQ(line.GetPointCount(), 3);
    EXPECT_EQ(line.GetPoint(2), (CPointL{5, 6}));
    EXPECT_EQ(line.m_flowValid1 + line.m_flowValid2, 0);
    EXPECT_EQ(line.IsResultSeen(1), 0);
    EXPECT_EQ(line.m_observable, 1);
    EXPECT_EQ(line.m_withinLimit, 1);
    EXPECT_EQ(line.m_scValid2, 0);
    EXPECT_EQ(line.m_selected, 0);

    const CPowerFlow& flow = *doc.GetPowerFlow(0);
    EXPECT_EQ(flow.m_pEnabled, 0);
    EXPECT_EQ(flow.m_qSd, 0.03);
    EXPECT_EQ(flow.m_pValid + flow.m_qValid, 0);
    EXPECT_EQ(flow.m_qPosition, 1);
    EXPECT_EQ(flow.m_pMeasured + flow.m_pEstimated + flow.m_qResidual + flow.m_qClass, 0.0);
    const CCurrent& current = *doc.GetCurrent(0);
    EXPECT_EQ(current.m_valid, 0);
    EXPECT_EQ(current.m_measured + current.m_estimated, 0.0);
    const CPowerInjection& injection = *doc.GetPowerInjection(0);
    EXPECT_EQ(injection.m_pValid, 0);
    EXPECT_EQ(injection.m_pResidual + injection.m_pClass, 0.0);
    EXPECT_EQ(injection.m_pPosition, 1);
    EXPECT_EQ(injection.m_qEnabled, 0);
    const CVoltage& voltage = *doc.GetVoltage(0);
    EXPECT_EQ(voltage.m_valid, 0);
    EXPECT_EQ(voltage.m_residual + voltage.m_class, 0.0);
    EXPECT_EQ(voltage.m_position, 1);
    EXPECT_EQ(doc.GetShort(0)->m_faultType, CShort::kSinglePhase);
    const CZground& ground = *doc.GetZground(0);
    EXPECT_EQ(ground.m_r1, 0.11);
    EXPECT_EQ(ground.m_x1, 0.12);
    EXPECT_EQ(ground.m_posEnabled, 1);
    EXPECT_EQ(ground.m_zeroEnabled, 0);
    EXPECT_EQ(doc.GetBreaker(0)->IsClosed(), 0);
    const CGenerator& generator = *doc.GetGenerator(0);
    EXPECT_EQ(generator.m_tdoPrime, 0.7);
    EXPECT_EQ(generator.m_xdPrime, 0.5);
    EXPECT_EQ(generator.m_costQ[3], 8.0);
    EXPECT_EQ(generator.m_model, CGenerator::kTwoAxis);
}

TEST_F(DocumentFileTest, LoadingReplacesWhatTheDocumentHeld) {
    fillEveryClass(m_doc);
    m_app.m_caseName = "Empty";
    CSkemtorDoc empty;
    ASSERT_TRUE(CDocumentFile::Save("empty.tvx", empty, m_app).ok);
    ASSERT_TRUE(CDocumentFile::Load("empty.tvx", m_doc, m_app).ok);
    EXPECT_EQ(m_doc.GetBusCount() + m_doc.GetLineCount() + m_doc.GetGeneratorCount(), 0);
}

// Damaged files: each gives its message naming the file and leaves the document empty
// and the application's MVA base and case name as they were.
TEST_F(DocumentFileTest, DamagedFilesAreRefusedWithAMessageNamingTheFile) {
    CSkemtorDoc source;
    fillEveryClass(source);
    CSkemtorApp sourceApp;
    sourceApp.m_caseName = "Every class";
    ASSERT_TRUE(CDocumentFile::Save("good.tvx", source, sourceApp).ok);
    const std::string good = readFileText("good.tvx");
    const std::size_t busRecord = good.find("CBus") - 6; // at its new-class tag

    std::string wrongSchema = good;
    wrongSchema[busRecord + 2] = 2;
    std::string unknownClass = good;
    unknownClass[good.find("CBus") + 1] = 'X'; // "CXus"
    std::string wrongArray = good;
    wrongArray.replace(good.find("CBus"), 4, "CShort").replace(busRecord + 4, 1, "\x06");
    std::string hostileCount =
        good.substr(0, busRecord - 2) + std::string("\xFF\xFF\xFF\xFF\xFF\x7F", 6);
    std::string badPoints = good;
    badPoints[good.find("CLine") + 5 + 5 * 8 + 4 * 4] = 101; // m_pointCount 101

    const struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"text.tvx", "This is a text file, not a document.\n",
         "An attempt was made to access text.tvx past its end."},
        {"zero.tvx", "", "An attempt was made to access zero.tvx past its end."},
        {"short.tvx", good.substr(0, good.size() - 5),
         "An attempt was made to access short.tvx past its end."},
        {"schema.tvx", wrongSchema, "schema.tvx contains an incorrect schema."},
        {"class.tvx", unknownClass, "class.tvx\nUnexpected file format."},
        {"array.tvx", wrongArray, "array.tvx\nUnexpected file format."},
        {"count.tvx", hostileCount, "An attempt was made to access count.tvx past its end."},
        {"points.tvx", badPoints, "points.tvx\nUnexpected file format."},
    };
    for (const auto& c : cases) {
        writeFileText(c.name, c.bytes);
        fillEveryClass(m_doc);
        m_app.m_mvaBase = 42.0;
        m_app.m_caseName = "Kept";
        const auto result = CDocumentFile::Load(c.name, m_doc, m_app);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_EQ(result.message, c.message) << c.name;
        EXPECT_EQ(m_doc.GetBusCount() + m_doc.GetLineCount() + m_doc.GetCapacitanceCount() +
                      m_doc.GetGeneratorCount(),
                  0)
            << c.name;
        EXPECT_EQ(m_app.m_mvaBase, 42.0) << c.name;
        EXPECT_EQ(m_app.m_caseName, "Kept") << c.name;
    }
}

TEST_F(DocumentFileTest, MissingFileIsReported) {
    fillEveryClass(m_doc);
    const auto result = CDocumentFile::Load("absent.tvx", m_doc, m_app);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("absent.tvx"), std::string::npos);
    EXPECT_EQ(m_doc.GetBusCount(), 0);
}

TEST_F(DocumentFileTest, NullEntriesAreSkipped) {
    // The fault array is the eighth: a null entry, then a fault.
    ArchiveBytes file;
    file.f64(100).str("");
    for (int i = 0; i < 7; ++i) file.u16(0);
    file.u16(2).u16(0).newClass("CShort").rect(1, 2, 3, 4).i32(5).i32(3).i32(0);
    file.u16(0).u16(0).u16(0);
    const auto result = CDocumentFile::LoadBytes(file.bytes(), "nulls.tvx", m_doc, m_app);
    ASSERT_TRUE(result.ok) << result.message;
    ASSERT_EQ(m_doc.GetShortCount(), 1);
    EXPECT_EQ(m_doc.GetShort(0)->GetBus(), 5);
}

TEST_F(DocumentFileTest, FailedSaveKeepsThePreviousFileAndLeavesNoTemporary) {
    fillEveryClass(m_doc);
    fs::create_directory("locked");
    writeFileText("locked/network.tvx", "previous document");
    fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec);
    if (::access("locked", W_OK) == 0) {
        fs::permissions("locked", fs::perms::owner_all);
        GTEST_SKIP() << "running with rights that ignore directory permissions";
    }
    const auto result = CDocumentFile::Save("locked/network.tvx", m_doc, m_app);
    fs::permissions("locked", fs::perms::owner_all);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("locked/network.tvx"), std::string::npos);
    EXPECT_EQ(readFileText("locked/network.tvx"), "previous document");
    EXPECT_EQ(std::distance(fs::directory_iterator("locked"), fs::directory_iterator{}), 1);
}

// The same failure at the last step, as any user (root included) can meet it: the
// name is taken by a folder, so the finished temporary file cannot replace it.
TEST_F(DocumentFileTest, SaveThatCannotReplaceTheTargetRemovesItsTemporary) {
    fillEveryClass(m_doc);
    fs::create_directories("network.tvx/inside");
    const auto result = CDocumentFile::Save("network.tvx", m_doc, m_app);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("network.tvx"), std::string::npos);
    EXPECT_TRUE(fs::is_directory("network.tvx/inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 1)
        << "no temporary file is left beside the target";
}

TEST_F(DocumentFileTest, SaveIntoMissingFolderFails) {
    const auto result = CDocumentFile::Save("no/such/folder/network.tvx", m_doc, m_app);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(fs::exists("no"));
}

TEST_F(DocumentFileTest, SaveReplacesTheOldFileAndKeepsItsPermissions) {
    writeFileText("network.tvx", "previous document");
    fs::permissions("network.tvx", fs::perms::owner_read | fs::perms::owner_write);
    fillEveryClass(m_doc);
    ASSERT_TRUE(CDocumentFile::Save("network.tvx", m_doc, m_app).ok);
    CSkemtorDoc doc;
    ASSERT_TRUE(CDocumentFile::Load("network.tvx", doc, m_app).ok);
    EXPECT_EQ(doc.GetBusCount(), 1);
    EXPECT_EQ(fs::status("network.tvx").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 1);
}

TEST_F(DocumentFileTest, BranchWithTooManyPointsIsNotSaved) {
    writeFileText("network.tvx", "previous document");
    auto line = std::make_unique<CLine>();
    line->m_pointCount = CLine::kMaxPoints + 1;
    m_doc.AddLine(std::move(line));
    EXPECT_FALSE(CDocumentFile::Save("network.tvx", m_doc, m_app).ok);
    EXPECT_EQ(readFileText("network.tvx"), "previous document");
}

// A write that fails half way (here: the file size limit of the process, which holds
// even for a privileged user) must not touch the old file nor leave the temporary.
TEST_F(DocumentFileTest, WriteFailureKeepsThePreviousFileAndLeavesNoTemporary) {
    writeFileText("network.tvx", "previous document");
    for (int i = 0; i < 50; ++i) fillEveryClass(m_doc);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = CDocumentFile::Save("network.tvx", m_doc, m_app);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("The previous file is unchanged."), std::string::npos);
    EXPECT_EQ(readFileText("network.tvx"), "previous document");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 1);
}

TEST_F(DocumentFileTest, ReplaceFailureLeavesNoTemporary) {
    fs::create_directories("network.tvx/inside");
    EXPECT_FALSE(CDocumentFile::Save("network.tvx", m_doc, m_app).ok);
    EXPECT_TRUE(fs::is_directory("network.tvx/inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 1);
}
