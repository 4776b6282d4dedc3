#include "engine/core/PowerFlow.h"
#include "examples/generator/ExampleGenerator.h"
#include "examples/generator/LayoutCheck.h"
#include "exchange/ErrorReporter.h"
#include "exchange/PowerFlowCommands.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/examples/ExampleFiles.h"
#include "tests/exchange/FakeUserInterface.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;
using namespace tarvex::test;

namespace {

// The examples the program ships; run.sh opens ieee14.
const std::set<std::string> kExpectedExamples = {"five-bus", "ieee14", "short-circuit",
                                                 "state-estimation", "transient-3-machine"};

TEST(ExamplesTest, EveryExampleHasItsSourceAndNoOther) {
    std::set<std::string> sources;
    for (const auto& entry : fs::directory_iterator(exampleSourceDir()))
        if (entry.path().extension() == ".txt") sources.insert(entry.path().stem().string());
    const std::vector<std::string> names = exampleNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), kExpectedExamples);
    EXPECT_EQ(sources, kExpectedExamples);
}

TEST(ExamplesTest, CommittedDocumentsAreWhatTheGeneratorWritesNow) {
    ScopedWorkDir dir;
    const CExampleGenerator::Report report =
        CExampleGenerator::GenerateAll(exampleSourceDir(), dir.path());
    for (const std::string& error : report.errors) ADD_FAILURE() << error;
    ASSERT_EQ(report.written.size(), kExpectedExamples.size());
    for (const fs::path& written : report.written) {
        const std::string committed = readFileText(examplesDir() / written.filename());
        ASSERT_FALSE(committed.empty()) << written.filename();
        EXPECT_TRUE(readFileText(written) == committed)
            << written.filename() << " differs from its source; run tarvex-make-examples";
    }
}

TEST(ExamplesTest, DiagramsHaveNoCrossingsOrCoveredLabels) {
    for (const std::string& name : exampleNames()) {
        CSkemtorDoc doc;
        CSkemtorApp app;
        ASSERT_EQ(openExample(name, doc, app), "") << name;
        for (const std::string& blemish : CLayoutCheck::Check(doc))
            ADD_FAILURE() << name << ": " << blemish;
    }
}

TEST(ExamplesTest, EveryExampleOpensWithItsCaseAndNetwork) {
    for (const std::string& name : exampleNames()) {
        CSkemtorDoc doc;
        CSkemtorApp app;
        app.m_mvaBase = 0.0;
        EXPECT_EQ(openExample(name, doc, app), "") << name;
        EXPECT_EQ(app.m_mvaBase, 100.0) << name;
        EXPECT_EQ(app.m_caseName.size(), 31u) << name;
        EXPECT_EQ(app.m_caseName.back(), ' ') << name;
        EXPECT_GT(doc.GetBusCount(), 2) << name;
        EXPECT_GE(doc.GetLineCount(), doc.GetBusCount() - 1) << name;
    }
}

// The Run power flow command with the real engine, as the program runs it on a
// freshly opened example.
TEST(ExamplesTest, PowerFlowRunsCleanlyOnEveryExample) {
    for (const std::string& name : exampleNames()) {
        SCOPED_TRACE(name);
        CSkemtorDoc doc;
        CSkemtorApp app;
        ASSERT_EQ(openExample(name, doc, app), "");
        ScopedWorkDir dir;
        app.m_mode = CSkemtorApp::Mode::PowerFlow;
        FakeUserInterface ui;
        const CErrorReporter errors{{}};
        CPowerFlowCommands(doc, app, ui, errors, tarvex::engine::PFLINFLO).RunPowerFlow();
        for (const auto& message : ui.messages)
            ADD_FAILURE() << message.title << ": " << message.text;
        EXPECT_EQ(app.m_resultState, CSkemtorApp::kPowerFlowResults);
        for (const auto& bus : doc.BusArray()) {
            EXPECT_EQ(bus->m_pfValid, 1) << "bus " << bus->m_number;
            EXPECT_GT(bus->m_pfVoltage, 0.94) << "bus " << bus->m_number;
            EXPECT_LT(bus->m_pfVoltage, 1.1) << "bus " << bus->m_number;
        }
        for (const auto& line : doc.LineArray()) {
            EXPECT_EQ(line->m_flowValid1 + line->m_flowValid2, 2)
                << "branch " << line->m_bus1 << "-" << line->m_bus2;
            EXPECT_EQ(line->m_withinLimit, 1)
                << "branch " << line->m_bus1 << "-" << line->m_bus2 << " above its rating";
        }
    }
}

} // namespace
