// Export of the plot pane: the plotted values as comma-separated text, worked out by
// hand from small result files, and the pictures, checked where the bars and curves
// must stand.
#include "view/CPlotExporter.h"

#include "model/SkemtorApp.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"
#include "view/CVoltagePlotView.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using tarvex::test::readFileText;
using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

// Four buses in the file; the last power flow had three, so bus 4 is not plotted.
const char* const kBusResults = "     0\n"
                                "     1  1.0600    0.00  232.39   -16.55    2.32390   -0.16550\n"
                                "     2  1.0450   -4.98   40.00    43.56    0.18300    0.29860\n"
                                "     3  0.8500  -12.72    0.00    25.08   -0.94200    0.06080\n"
                                "     4  1.0180  -10.31    0.00     0.00   -0.47800    0.03900\n";

// Two plotted machines, three records: time, then V and angle of each.
const char* const kTransientPlot = "   2   3\n"
                                   "0.00  1.00 10.0  0.99  5.0\n"
                                   "0.01  0.98 12.0  0.97  4.0\n"
                                   "0.02  0.97 15.0  0.96  3.5\n";

class PlotExportTest : public ::testing::Test {
protected:
    PlotExportTest() {
        app.m_vMin = 0.9;
        app.m_vMax = 1.1;
    }

    void showVoltageProfile() {
        writeFileText("busotp.dat", kBusResults);
        app.m_resultState = CSkemtorApp::kPowerFlowResults;
        app.m_powerFlowBusCount = 3;
    }
    void showSwingCurves() {
        writeFileText("dyplot.dat", kTransientPlot);
        app.m_resultState = CSkemtorApp::kTransientResults;
    }

    ScopedWorkDir dir;
    CSkemtorApp app;
    std::vector<int> reported;
    CVoltagePlotView view{app, dir.path(), [this](int code) { reported.push_back(code); }};
};

TEST_F(PlotExportTest, VoltageProfileDataHasOneRowPerBarWithTheDisplayLimits) {
    showVoltageProfile();
    QString error;
    ASSERT_TRUE(CPlotExporter::ExportData(view, "profile.csv", error)) << error.toStdString();
    EXPECT_EQ(readFileText("profile.csv"), "bus,voltage_pu,vmin_pu,vmax_pu\n"
                                           "1,1.06,0.9,1.1\n"
                                           "2,1.045,0.9,1.1\n"
                                           "3,0.85,0.9,1.1\n");
}

TEST_F(PlotExportTest, SwingDataHasTheAnglesRelativeToTheFirstMachineAsPlotted) {
    showSwingCurves();
    QString error;
    ASSERT_TRUE(CPlotExporter::ExportData(view, "swing.csv", error)) << error.toStdString();
    EXPECT_EQ(readFileText("swing.csv"), "time,V1,V2,ang1,ang2\n"
                                         "0,1,0.99,10,-5\n"
                                         "0.01,0.98,0.97,12,-8\n"
                                         "0.02,0.97,0.96,15,-11.5\n");
}

TEST_F(PlotExportTest, OneMachineKeepsItsOwnAngles) {
    writeFileText("dyplot.dat", "   1   2\n0.00 1.02 7.5\n0.05 1.01 8.25\n");
    app.m_resultState = CSkemtorApp::kTransientResults;
    std::string error;
    EXPECT_EQ(CPlotExporter::PlottedValues(app, dir.path(), error),
              "time,V1,ang1\n0,1.02,7.5\n0.05,1.01,8.25\n");
}

TEST_F(PlotExportTest, VoltageProfilePictureHasTheBarsAtTheirBusNumbers) {
    showVoltageProfile();
    QString error;
    ASSERT_TRUE(CPlotExporter::ExportPlot(view, "profile.png", error, QSize(800, 400)))
        << error.toStdString();
    const QImage image("profile.png");
    ASSERT_EQ(image.size(), QSize(800, 400));
    // u = 3 / (800 - 70) buses per pixel: bus b stands at x = b / u + 55, its bar rising
    // from y = 375; bus 3 is below Vmin and red.
    EXPECT_EQ(image.pixelColor(298, 370), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(541, 370), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(785, 370), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(420, 370), QColor(Qt::white));

    ASSERT_TRUE(CPlotExporter::ExportPlot(view, "profile.svg", error)) << error.toStdString();
    const std::string svg = readFileText("profile.svg");
    EXPECT_NE(svg.find("viewBox=\"0 0 800 400\""), std::string::npos) << "the default size";
    EXPECT_NE(svg.find(">Vmax:</text>"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#0000ff\""), std::string::npos);
}

TEST_F(PlotExportTest, SwingPictureHoldsTheCurvesInTheirColours) {
    showSwingCurves();
    QString error;
    ASSERT_TRUE(CPlotExporter::ExportPlot(view, "swing.png", error)) << error.toStdString();
    const QImage image("swing.png");
    ASSERT_EQ(image.size(), QSize(CPlotExporter::kDefaultWidth, CPlotExporter::kDefaultHeight));
    int red = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            red += color == QColor(Qt::red);
            blue += color == QColor(Qt::blue);
        }
    EXPECT_GT(red, 100) << "the first machine's voltage curve";
    EXPECT_GT(blue, 200) << "the second machine's voltage and relative angle curves";

    ASSERT_TRUE(CPlotExporter::ExportPlot(view, "swing.svg", error)) << error.toStdString();
    const std::string svg = readFileText("swing.svg");
    EXPECT_NE(svg.find(">G1</text>"), std::string::npos);
    EXPECT_NE(svg.find(">G2</text>"), std::string::npos);
    EXPECT_TRUE(reported.empty());
}

TEST_F(PlotExportTest, NothingIsWrittenWithoutAPlotOrItsValues) {
    struct Case {
        const char* what;
        int resultState;
        const char* plotFile;
        const char* content;
        const char* message;
    };
    const Case cases[] = {
        {"no results", CSkemtorApp::kNoResults, nullptr, nullptr, CPlotExporter::kNoPlot},
        {"state estimation results", CSkemtorApp::kWlsResults, "busotp.dat", kBusResults,
         CPlotExporter::kNoPlot},
        {"bus results missing", CSkemtorApp::kPowerFlowResults, nullptr, nullptr,
         CPlotExporter::kNoValues},
        {"transient plot missing", CSkemtorApp::kTransientResults, nullptr, nullptr,
         CPlotExporter::kNoValues},
        {"too many records", CSkemtorApp::kTransientResults, "dyplot.dat", "   1 10000\n",
         CPlotExporter::kTooManyRecords},
    };
    app.m_powerFlowBusCount = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove("busotp.dat");
        fs::remove("dyplot.dat");
        if (c.plotFile) writeFileText(c.plotFile, c.content);
        app.m_resultState = c.resultState;
        for (const char* name : {"plot.png", "plot.svg", "plot.csv"}) {
            QString error;
            const bool written = fs::path(name).extension() == ".csv"
                                     ? CPlotExporter::ExportData(view, name, error)
                                     : CPlotExporter::ExportPlot(view, name, error);
            EXPECT_FALSE(written) << name;
            EXPECT_EQ(error.toStdString(), c.message) << name;
            EXPECT_FALSE(fs::exists(name)) << name;
        }
    }
}

TEST_F(PlotExportTest, RefusedFileNamesGiveAMessageAndLeaveNoFile) {
    showVoltageProfile();
    QString error;
    EXPECT_FALSE(CPlotExporter::ExportPlot(view, "profile.jpg", error));
    EXPECT_EQ(error.toStdString(), CPlotExporter::kUnknownFormat);
    EXPECT_FALSE(fs::exists("profile.jpg"));
    for (const char* name : {"missing/profile.png", "missing/profile.csv"}) {
        error.clear();
        const bool written = fs::path(name).extension() == ".csv"
                                 ? CPlotExporter::ExportData(view, name, error)
                                 : CPlotExporter::ExportPlot(view, name, error);
        EXPECT_FALSE(written) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    }
    EXPECT_FALSE(fs::exists("missing"));
}

TEST_F(PlotExportTest, ContextMenuOffersBothExportsWhileAPlotIsShown) {
    const std::unique_ptr<QMenu> empty(view.CreateContextMenu(nullptr));
    ASSERT_EQ(empty->actions().size(), 2);
    EXPECT_EQ(empty->actions()[0]->text(), "Export Plot...");
    EXPECT_EQ(empty->actions()[1]->text(), "Export Data...");
    EXPECT_FALSE(view.ExportPlotAction()->isEnabled());
    EXPECT_FALSE(view.ExportDataAction()->isEnabled());

    showSwingCurves();
    const std::unique_ptr<QMenu> shown(view.CreateContextMenu(nullptr));
    EXPECT_TRUE(view.ExportPlotAction()->isEnabled());
    EXPECT_TRUE(view.ExportDataAction()->isEnabled());
}

} // namespace
