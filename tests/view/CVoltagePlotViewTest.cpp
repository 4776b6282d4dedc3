#include "view/CVoltagePlotView.h"

#include "model/SkemtorApp.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <vector>

namespace {

using tarvex::test::ScopedWorkDir;
using tarvex::test::writeFileText;

class VoltagePlotViewTest : public ::testing::Test {
protected:
    VoltagePlotViewTest() { view.resize(370, 530); }

    QImage paint() { return view.grab().toImage(); }

    ScopedWorkDir dir;
    CSkemtorApp app;
    std::vector<int> reported;
    CVoltagePlotView view{app, dir.path(), [this](int code) { reported.push_back(code); }};
};

TEST_F(VoltagePlotViewTest, PaintsTheBarsOfTheLastPowerFlowInTheirColours) {
    writeFileText("busotp.dat",
                  "     0\n"
                  "     1  1.0700    0.00    0.00000    0.00000    0.00000    0.00000\n"
                  "     2  1.0000   -1.20    0.00000    0.00000   -0.20000   -0.10000\n");
    app.m_resultState = CSkemtorApp::kPowerFlowResults;
    app.m_powerFlowBusCount = 2;
    const QImage image = paint();
    // u = 2 / 300: bus 1 at x = 205, bus 2 at x = 355; both bars reach below y =
    // 300.
    EXPECT_EQ(image.pixelColor(205, 300), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(355, 300), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(300, 300), QColor(Qt::white));

    app.m_resultState = CSkemtorApp::kNoResults;
    const QImage empty = paint();
    EXPECT_EQ(empty.pixelColor(205, 300), QColor(Qt::white)) << "other results: an empty pane";
}

TEST_F(VoltagePlotViewTest, ReportsTooManyRecordsOnceAndAfterThePaint) {
    writeFileText("dyplot.dat", "   1 10000\n");
    app.m_resultState = CSkemtorApp::kTransientResults;
    paint();
    EXPECT_TRUE(reported.empty()) << "never from inside the paint";
    QCoreApplication::processEvents();
    paint();
    QCoreApplication::processEvents();
    EXPECT_EQ(reported, std::vector<int>{80});
}

} // namespace
