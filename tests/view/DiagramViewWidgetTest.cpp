// The diagram view as a widget: real mouse and key events on the canvas inside the
// scroll area, converted to logical units and handed to the editor. The editing rules
// themselves are the editor's; these tests check what the toolkit adds: scroll offsets,
// key text, the cursor, the mouse grab and the canvas widget's size.
#include "exchange/UserInterface.h"
#include "exchange/editing/ElementDialogs.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "view/CDiagramCanvas.h"
#include "view/CSkemtorView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using Tool = CSkemtorApp::Tool;

class QuietUserInterface : public CUserInterface {
public:
    int messages = 0;
    void ShowMessage(const std::string&, const std::string&, Icon) override { ++messages; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> AskSaveFileName(const SaveFileRequest&) override { return {}; }
    std::optional<std::string> AskCaseName(const std::string&) override { return {}; }
    void ShowLosses(const Losses&) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void RedrawAllViews() override {}
};

// Every dialog is closed with Cancel at once.
class CancellingDialogs : public CElementDialogs {
public:
    int opened = 0;
    void EditBus(CBus&) override { ++opened; }
    void EditLine(CLine&) override { ++opened; }
    void EditCapacitance(CCapacitance&) override { ++opened; }
    void EditPowerFlowMeter(CPowerFlow&) override { ++opened; }
    void EditCurrentMeter(CCurrent&) override { ++opened; }
    void EditPowerInjectionMeter(CPowerInjection&) override { ++opened; }
    void EditVoltageMeter(CVoltage&) override { ++opened; }
    void EditShort(CShort&) override { ++opened; }
    void EditZground(CZground&) override { ++opened; }
    void EditGeneratorDynamics(CGenerator&) override { ++opened; }
    void EditGeneratorCost(CGenerator&) override { ++opened; }
};

class DiagramViewWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<CSkemtorView>(doc, app, ui, dialogs);
        view->resize(400, 300);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    CDiagramCanvas& canvas() { return view->Canvas(); }

    // A click as the window system delivers it: at a point of the top-level window,
    // routed by the toolkit to the widget under it.
    void windowClick(QPoint canvasPixel) {
        const QPoint at = canvas().mapTo(view->window(), canvasPixel);
        QTest::mouseMove(view->windowHandle(), at);
        QTest::mouseClick(view->windowHandle(), Qt::LeftButton, {}, at);
    }

    // The pointer moving over the canvas with no button down. The event goes straight to
    // the canvas, as it does while the canvas holds the mouse and the pointer is outside
    // the pane, and whether or not the pointer was there before.
    void moveTo(QPoint canvasPixel) {
        QMouseEvent move(QEvent::MouseMove, canvasPixel, canvas().mapToGlobal(canvasPixel),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas(), &move);
    }

    void addBus(int x, int y) { doc.AddBus(std::make_unique<CBus>(x, y, 1, doc.NextBusNumber())); }

    bool cursorHidden() {
        return canvas().testAttribute(Qt::WA_SetCursor) &&
               canvas().cursor().shape() == Qt::BlankCursor;
    }

    CSkemtorDoc doc;
    CSkemtorApp app;
    QuietUserInterface ui;
    CancellingDialogs dialogs;
    std::unique_ptr<CSkemtorView> view;
};

TEST_F(DiagramViewWidgetTest, AClickInAScrolledViewLandsAtItsLogicalPoint) {
    view->horizontalScrollBar()->setValue(500);
    view->verticalScrollBar()->setValue(450);
    ASSERT_EQ(canvas().pos(), QPoint(-500, -450));

    // A point in the middle of what is now visible.
    const CPointL target{720, -620};
    const QPoint pixel = view->ToPixel(target);
    ASSERT_TRUE(view->IsInsideViewport(pixel));
    EXPECT_EQ(view->ToLogical(pixel), target);

    app.m_tool = Tool::HorizontalBus;
    windowClick(pixel);
    ASSERT_EQ(doc.GetBusCount(), 1);
    // The bar's lower right corner is where the click was.
    EXPECT_EQ(doc.GetBus(0)->m_xMax, target.x);
    EXPECT_EQ(doc.GetBus(0)->m_yMin, target.y);
}

TEST_F(DiagramViewWidgetTest, TheCursorHidesOverTheCanvasWhileAToolIsArmed) {
    app.m_tool = Tool::HorizontalBus;
    const QPoint inside = view->ToPixel({100, -100});
    moveTo(inside);
    EXPECT_TRUE(cursorHidden());
    EXPECT_EQ(QWidget::mouseGrabber(), &canvas());

    // Scrolled away, the same canvas point is outside the pane: the cursor comes back
    // and the mouse is free.
    view->horizontalScrollBar()->setValue(600);
    ASSERT_FALSE(view->IsInsideViewport(inside));
    moveTo(inside);
    EXPECT_FALSE(cursorHidden());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    view->horizontalScrollBar()->setValue(0);
    moveTo(inside);
    ASSERT_TRUE(cursorHidden());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, inside);
    ASSERT_EQ(doc.GetBusCount(), 1);
    EXPECT_EQ(app.m_tool, Tool::Pointer);
    EXPECT_FALSE(canvas().testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    // With the pointer tool the cursor stays as it is.
    moveTo(view->ToPixel({300, -300}));
    EXPECT_FALSE(cursorHidden());
}

TEST_F(DiagramViewWidgetTest, TheDKeyDeletesTheSelectedElement) {
    addBus(200, -200);
    addBus(500, -200);
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, view->ToPixel({470, -195}));
    ASSERT_TRUE(doc.GetBus(1)->IsSelected());
    ASSERT_FALSE(doc.GetBus(0)->IsSelected());
    // The click gave the canvas the keyboard.
    EXPECT_TRUE(canvas().hasFocus());

    // The command is the lower-case letter only.
    QTest::keyClick(&canvas(), 'D');
    QTest::keyClick(&canvas(), Qt::Key_Delete);
    EXPECT_EQ(doc.GetBusCount(), 2);
    QTest::keyClick(&canvas(), 'd');
    ASSERT_EQ(doc.GetBusCount(), 1);
    EXPECT_EQ(doc.GetBus(0)->m_xMax, 200);
    EXPECT_EQ(ui.messages, 0);
}

TEST_F(DiagramViewWidgetTest, KeysReachTheEditorWhenThePaneIsGivenTheFocus) {
    // The main window gives the focus to the pane, not to the canvas inside it, at start
    // and on F6; keys must work before the first click on the canvas.
    addBus(200, -200);
    doc.GetBus(0)->SetSelected(1);
    view->setFocus();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, 'd');
    EXPECT_EQ(doc.GetBusCount(), 0);
}

TEST_F(DiagramViewWidgetTest, TheSpaceBarTurnsTheSymbolAboutToBePlaced) {
    addBus(300, -300);
    app.m_mode = CSkemtorApp::Mode::TransientStability;
    app.m_tool = Tool::Generator;
    const QPoint onBus = view->ToPixel({260, -300});
    moveTo(onBus);
    const QRect aroundBus =
        QRect(view->ToPixel({180, -240}), view->ToPixel({340, -360})).normalized();
    const QImage before = canvas().grab(aroundBus).toImage();
    QTest::keyClick(&canvas(), Qt::Key_Space);
    QTest::keyClick(&canvas(), Qt::Key_Space);
    EXPECT_EQ(view->Editor().m_direction, 180);
    // The ghost on the screen turned with it.
    EXPECT_NE(canvas().grab(aroundBus).toImage(), before);

    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, onBus);
    ASSERT_EQ(doc.GetGeneratorCount(), 1);
    EXPECT_EQ(doc.GetGenerator(0)->m_orientation, 180);
    EXPECT_EQ(view->Editor().m_direction, 0);
}

TEST_F(DiagramViewWidgetTest, ClickingNearTheEdgeMakesTheCanvasWidgetLarger) {
    const QSize before = canvas().size();
    EXPECT_EQ(before.width(),
              static_cast<int>(std::lround(app.m_canvasSize.width * view->PixelsPerUnit())));
    const int maximumBefore = view->horizontalScrollBar()->maximum();

    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    const CPointL nearRightEdge{app.m_canvasSize.width - 50, -150};
    const QPoint pixel = view->ToPixel(nearRightEdge);
    ASSERT_TRUE(view->IsInsideViewport(pixel));
    app.m_tool = Tool::HorizontalBus;
    windowClick(pixel);

    ASSERT_EQ(doc.GetBusCount(), 1);
    EXPECT_GT(canvas().width(), before.width());
    EXPECT_EQ(canvas().height(), before.height());
    EXPECT_EQ(canvas().width(),
              static_cast<int>(std::lround(app.m_canvasSize.width * view->PixelsPerUnit())));
    // The scroll range follows, so the new room can be reached.
    EXPECT_GT(view->horizontalScrollBar()->maximum(), maximumBefore);
}

} // namespace
