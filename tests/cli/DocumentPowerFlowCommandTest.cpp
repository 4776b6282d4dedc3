// `tarvex-engine powerflow --document`: the Run power flow command on a saved document.
#include "cli/DocumentPowerFlowCommand.h"

#include "tests/cli/TestDocument.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

namespace {

struct BusLine {
    double voltage = 0, angle = 0, p = 0, q = 0;
};
struct BranchLine {
    int from = 0, to = 0;
    double p = 0, q = 0;
};

// The printed results, read back as a script would.
struct Printed {
    std::map<int, BusLine> buses;
    std::vector<BranchLine> branches;
    std::vector<std::string> other;
};

Printed parse(const std::string& text) {
    Printed printed;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string kind, unit, word;
        if (line.starts_with("bus ")) {
            int number = 0;
            BusLine bus;
            in >> kind >> number >> word >> bus.voltage >> unit >> word >> bus.angle >> unit >>
                word >> bus.p >> unit >> word >> bus.q;
            EXPECT_TRUE(in) << line;
            printed.buses[number] = bus;
        } else if (line.starts_with("branch ")) {
            BranchLine branch;
            std::string arrow;
            in >> kind >> branch.from >> arrow >> branch.to >> word >> branch.p >> unit >> word >>
                branch.q;
            EXPECT_TRUE(in) << line;
            printed.branches.push_back(branch);
        } else {
            printed.other.push_back(line);
        }
    }
    return printed;
}

class DocumentPowerFlowCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        tarvex::test::buildThreeBusNetwork(doc, app);
        fs::create_directory("run");
        writeFileText("run/tvx.err", "1\nA branch has no impedance.\n100 No slack bus.\n"
                                     "101 Too many buses.\n");
    }

    int run(PowerFlowOptions options) {
        tarvex::test::saveDocument("network.tvx", doc, app);
        options.documentFile = "network.tvx";
        if (options.dir == ".") options.dir = "run";
        return DocumentPowerFlowCommand(options, {}).run(out, err);
    }

    ScopedWorkDir dir;
    CSkemtorDoc doc;
    CSkemtorApp app;
    std::ostringstream out, err;
};

} // namespace

TEST_F(DocumentPowerFlowCommandTest, PrintsEveryBusAndBothEndsOfEveryBranch) {
    ASSERT_EQ(run({}), 0) << err.str();
    EXPECT_TRUE(err.str().empty()) << err.str();
    const Printed printed = parse(out.str());
    EXPECT_TRUE(printed.other.empty()) << printed.other[0];
    ASSERT_EQ(printed.buses.size(), 3u);
    EXPECT_NEAR(printed.buses.at(1).voltage, 1.02, 1e-4);
    EXPECT_EQ(printed.buses.at(1).angle, 0.0);
    EXPECT_NEAR(printed.buses.at(2).voltage, 1.01, 1e-4);
    EXPECT_NEAR(printed.buses.at(2).p, 40.0, 0.01);
    EXPECT_LT(printed.buses.at(3).voltage, 1.0);
    EXPECT_LT(printed.buses.at(3).angle, 0.0);
    EXPECT_EQ(printed.buses.at(3).p, 0.0);

    // Two ends per branch, each direction once.
    ASSERT_EQ(printed.branches.size(), 6u);
    std::map<std::pair<int, int>, BranchLine> ends;
    for (const BranchLine& b : printed.branches) ends[{b.from, b.to}] = b;
    EXPECT_EQ(ends.size(), 6u);
    // In MW and MVAr: what leaves each bus is its generation less its load.
    const double loads[] = {0, 0, 90};
    const double loadsQ[] = {0, 0, 30};
    for (int bus = 1; bus <= 3; ++bus) {
        double p = 0, q = 0;
        for (const BranchLine& b : printed.branches)
            if (b.from == bus) p += b.p, q += b.q;
        EXPECT_NEAR(p, printed.buses.at(bus).p - loads[bus - 1], 0.2) << bus;
        EXPECT_NEAR(q, printed.buses.at(bus).q - loadsQ[bus - 1], 0.2) << bus;
    }
    // A line loses power: the two ends of a branch do not cancel exactly.
    EXPECT_GT(ends.at({1, 3}).p + ends.at({3, 1}).p, 0.0);
}

TEST_F(DocumentPowerFlowCommandTest, ExchangeFilesGoToTheChosenFolderWithTheSettings) {
    PowerFlowOptions options;
    options.maxIterations = 40;
    options.toleranceP = 1e-4;
    options.toleranceQ = 2e-4;
    ASSERT_EQ(run(options), 0) << err.str();
    EXPECT_EQ(readFileText("run/pfparam.dat"), "   40  1.000000e-04 2.000000e-04  1\n");
    for (const char* name : {"pfinput.dat", "busotp.dat", "branchotp.dat", "pfoutput.dat"}) {
        EXPECT_TRUE(fs::exists(fs::path("run") / name)) << name;
        EXPECT_FALSE(fs::exists(name)) << name;
    }
    EXPECT_EQ(readFileText("run/pfinput.dat").substr(0, 13), "CLI THREE BUS");
}

TEST_F(DocumentPowerFlowCommandTest, RefusalsAndEngineFailuresPrintTheCatalogueMessage) {
    const struct {
        const char* what;
        std::function<void(CSkemtorDoc&)> change;
        const char* message;
        bool caseWritten;
    } cases[] = {
        {"no slack bus", [](CSkemtorDoc& d) { d.GetBus(0)->m_type = CBus::kGenerator; },
         "Error: 100.  No slack bus.\n", false},
        {"30 buses",
         [](CSkemtorDoc& d) {
             while (d.GetBusCount() < 30)
                 d.AddBus(std::make_unique<CBus>(0, 0, 1, d.NextBusNumber()));
         },
         "Error: 101.  Too many buses.\n", false},
        {"branch without impedance",
         [](CSkemtorDoc& d) { d.GetLine(2)->m_r = d.GetLine(2)->m_x = 0; },
         "Error: 1.  A branch has no impedance.\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        doc.DeleteContents();
        tarvex::test::buildThreeBusNetwork(doc, app);
        c.change(doc);
        fs::remove("run/pfinput.dat");
        out.str("");
        err.str("");
        EXPECT_EQ(run({}), 1);
        EXPECT_EQ(err.str(), c.message);
        EXPECT_TRUE(out.str().empty()) << out.str();
        EXPECT_EQ(fs::exists("run/pfinput.dat"), c.caseWritten);
    }
}

TEST_F(DocumentPowerFlowCommandTest, DocumentOrFolderThatCannotBeUsed) {
    PowerFlowOptions options;
    options.documentFile = "absent.tvx";
    options.dir = "run";
    EXPECT_EQ(DocumentPowerFlowCommand(options, {}).run(out, err), 1);
    EXPECT_NE(err.str().find("absent.tvx"), std::string::npos);

    err.str("");
    options.dir = "no-such-folder";
    EXPECT_EQ(DocumentPowerFlowCommand(options, {}).run(out, err), 1);
    EXPECT_NE(err.str().find("no-such-folder"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
}
