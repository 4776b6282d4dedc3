// A student's first session in the real program: a three-bus network drawn with the
// mouse on the diagram canvas, the line data typed into the dialogs that open after each
// line, the slack bus and a load chosen in Power Flow mode, the power flow run from the
// Analysis menu and the solved state read off the diagram's labels.
#include "tests/app/ProgramFixture.h"

#include "dialogs/DialogBusPowerFlow.h"
#include "dialogs/DialogLineData.h"
#include "exchange/editing/DiagramPainter.h"
#include "tests/dialogs/ScriptedDialogs.h"
#include "tests/support/RecordingSurface.h"
#include "view/CDiagramCanvas.h"
#include "view/CSkemtorView.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <cstdio>
#include <deque>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace {

using tarvex::test::FakeDesktopUserInterface;
using tarvex::test::ProgramFixture;
using tarvex::test::RecordingSurface;
using tarvex::test::ScriptedDialogs;
using Id = CommandId;

struct BusResult {
    double voltage = 0, angle = 0, genP = 0, genQ = 0;
    std::string voltageText, angleText; // as the engine wrote them
};
struct BranchResult {
    int from = 0, to = 0;
    double p = 0, q = 0; // p.u., leaving `from`
};

// busotp.dat: the status, then one row per bus (number, |V|, angle, MW, MVAr, ...).
std::map<int, BusResult> readBusResults() {
    std::ifstream file("busotp.dat");
    std::map<int, BusResult> rows;
    int status = -1;
    file >> status;
    EXPECT_EQ(status, 0);
    std::string line;
    std::getline(file, line);
    while (std::getline(file, line)) {
        std::istringstream row(line);
        int bus = 0;
        BusResult r;
        if (!(row >> bus >> r.voltageText >> r.angleText >> r.genP >> r.genQ)) continue;
        r.voltage = std::stod(r.voltageText);
        r.angle = std::stod(r.angleText);
        rows[bus] = r;
    }
    return rows;
}

// branchotp.dat: one row per branch end (from, to, P, Q in p.u., current, overload).
std::vector<BranchResult> readBranchResults() {
    std::ifstream file("branchotp.dat");
    std::vector<BranchResult> rows;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream row(line);
        BranchResult r;
        if (row >> r.from >> r.to >> r.p >> r.q) rows.push_back(r);
    }
    return rows;
}

const BranchResult* findFlow(const std::vector<BranchResult>& rows, int from, int to) {
    for (const BranchResult& r : rows)
        if (r.from == from && r.to == to) return &r;
    return nullptr;
}

// A recorded label "text X,Y ALIGN R,G,B FONT [TEXT]" split into its parts.
struct Label {
    int x = 0, y = 0;
    std::string colour, text;
};

std::vector<Label> labelsOf(const RecordingSurface& surface) {
    static const std::regex pattern(R"(text (-?\d+),(-?\d+) \w+ (\d+,\d+,\d+) label \[(.*)\])");
    std::vector<Label> labels;
    for (const std::string& call : surface.Calls("text ")) {
        std::smatch m;
        if (std::regex_match(call, m, pattern))
            labels.push_back({std::stoi(m[1]), std::stoi(m[2]), m[3], m[4]});
    }
    return labels;
}

const Label* labelAt(const std::vector<Label>& labels, int x, int y) {
    for (const Label& l : labels)
        if (l.x == x && l.y == y) return &l;
    return nullptr;
}

// "(P,Q)" with one decimal each.
bool parseFlowLabel(const std::string& text, double& p, double& q) {
    static const std::regex pattern(R"(\((-?\d+\.\d),(-?\d+\.\d)\))");
    std::smatch m;
    if (!std::regex_match(text, m, pattern)) return false;
    p = std::stod(m[1]);
    q = std::stod(m[2]);
    return true;
}

class DrawNetworkEndToEndTest : public ProgramFixture {
protected:
    void SetUp() override {
        ui.caseNames.push_back("THREE BUS LAB");
        ASSERT_TRUE(program->Start({}));
        // A first start: no settings file yet, the built-in settings hold.
        ASSERT_EQ(ui.messages.size(), 1u);
        ASSERT_EQ(ui.messages[0].text, "Error opening tvx.ini");
        ui.messages.clear();
        frame().resize(1000, 760);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame()));
        dialogs.script = [this](QDialog& dialog) {
            ASSERT_FALSE(answers.empty())
                << "unexpected dialog " << dialog.windowTitle().toStdString();
            auto answer = std::move(answers.front());
            answers.pop_front();
            answer(dialog);
        };
    }

    CSkemtorView& view() { return *frame().DiagramPane().view; }
    CDiagramCanvas& canvas() { return view().Canvas(); }

    // Arms a tool as a click on its element toolbar button does.
    void clickToolButton(Id id) {
        program->Commands().Update();
        QAction* tool = action(id);
        ASSERT_NE(tool, nullptr);
        ASSERT_TRUE(frame().ElementToolBar()->actions().contains(tool));
        auto* button = qobject_cast<QToolButton*>(frame().ElementToolBar()->widgetForAction(tool));
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // The pointer comes to a logical point and the left button is clicked there.
    void clickAt(CPointL point) {
        const QPoint pixel = view().ToPixel(point);
        QTest::mouseMove(&canvas(), pixel);
        QTest::mouseClick(&canvas(), Qt::LeftButton, {}, pixel);
    }

    // A double click as the window system delivers it: the first click, then the second
    // reported as a double click.
    void doubleClickAt(CPointL point) {
        const QPoint pixel = view().ToPixel(point);
        QTest::mouseClick(&canvas(), Qt::LeftButton, {}, pixel);
        QTest::mouseDClick(&canvas(), Qt::LeftButton, {}, pixel);
    }

    void triggerMenuItem(CMenuLayout::MenuIndex menu, Id id) {
        for (QAction* item : menuActions(menu)) {
            if (item->data().toInt() != static_cast<int>(id)) continue;
            ASSERT_TRUE(item->isEnabled());
            item->trigger();
            return;
        }
        FAIL() << "no menu item " << static_cast<int>(id);
    }

    // The answer to the next Line Data dialog: R, X and B typed in, then OK.
    void answerLineData(const char* r, const char* x, const char* b) {
        answers.push_back([=](QDialog& dialog) {
            auto* data = dynamic_cast<CDialogLineData*>(&dialog);
            ASSERT_NE(data, nullptr) << dialog.windowTitle().toStdString();
            data->Fields().Edit(CDialogLineData::kR)->setText(QString::fromLatin1(r));
            data->Fields().Edit(CDialogLineData::kX)->setText(QString::fromLatin1(x));
            data->Fields().Edit(CDialogLineData::kB)->setText(QString::fromLatin1(b));
            data->accept();
        });
    }

    ScriptedDialogs dialogs;
    std::deque<std::function<void(QDialog&)>> answers;
};

TEST_F(DrawNetworkEndToEndTest, ANetworkDrawnWithTheMouseSolvesAndShowsItsResults) {
    ASSERT_EQ(ui.caseNamePrompts.size(), 1u);
    ASSERT_TRUE(frame().isVisible());

    // Bus bars are placed by their lower right corner.
    clickToolButton(Id::ToolHorizontalBus);
    clickAt({200, -200});
    clickToolButton(Id::ToolHorizontalBus);
    clickAt({500, -200});
    ASSERT_EQ(doc().GetBusCount(), 2);
    EXPECT_EQ(doc().FindBus(1)->GetRect(), (CRectL{130, -190, 200, -200}));
    EXPECT_EQ(doc().FindBus(2)->GetRect(), (CRectL{430, -190, 500, -200}));

    // A line from bus 1 with one corner off any bus, ending on bus 2.
    answerLineData("0.02", "0.06", "0.03");
    clickToolButton(Id::ToolLine);
    clickAt({170, -190});
    clickAt({300, -300});
    EXPECT_EQ(doc().GetLineCount(), 0);
    clickAt({470, -190});
    ASSERT_EQ(doc().GetLineCount(), 1);
    EXPECT_TRUE(answers.empty());

    clickToolButton(Id::ToolHorizontalBus);
    clickAt({500, -400});
    answerLineData("0.01", "0.05", "0.02");
    clickToolButton(Id::ToolLine);
    clickAt({460, -200});
    clickAt({460, -390});
    ASSERT_EQ(doc().GetBusCount(), 3);
    ASSERT_EQ(doc().GetLineCount(), 2);
    EXPECT_TRUE(dialogs.messages.empty());

    const CLine* first = doc().GetLine(0);
    EXPECT_EQ(first->m_bus1, 1);
    EXPECT_EQ(first->m_bus2, 2);
    ASSERT_EQ(first->m_pointCount, 3);
    EXPECT_EQ(first->m_points[0], (CPointL{170, -190}));
    EXPECT_EQ(first->m_points[1], (CPointL{300, -300}));
    EXPECT_EQ(first->m_points[2], (CPointL{470, -190}));
    EXPECT_DOUBLE_EQ(first->m_r, 0.02);
    EXPECT_DOUBLE_EQ(first->m_x, 0.06);
    EXPECT_DOUBLE_EQ(first->m_b, 0.03);
    const CLine* second = doc().GetLine(1);
    EXPECT_EQ(second->m_bus1, 2);
    EXPECT_EQ(second->m_bus2, 3);
    EXPECT_DOUBLE_EQ(second->m_x, 0.05);

    // Power Flow mode: bus 1 becomes the slack bus, bus 3 takes a load.
    triggerMenuItem(CMenuLayout::kMode, Id::ModePowerFlow);
    ASSERT_EQ(state().m_mode, CSkemtorApp::Mode::PowerFlow);
    answers.push_back([](QDialog& dialog) {
        auto* data = dynamic_cast<CDialogBusPowerFlow*>(&dialog);
        ASSERT_NE(data, nullptr) << dialog.windowTitle().toStdString();
        auto* slack = data->Control<QRadioButton>(CDialogBusPowerFlow::kSlack);
        ASSERT_NE(slack, nullptr);
        slack->click();
        data->Fields().Edit(CDialogBusPowerFlow::kVoltage)->setText(QStringLiteral("1.02"));
        data->accept();
    });
    doubleClickAt({160, -195});
    answers.push_back([](QDialog& dialog) {
        auto* data = dynamic_cast<CDialogBusPowerFlow*>(&dialog);
        ASSERT_NE(data, nullptr) << dialog.windowTitle().toStdString();
        data->Fields().Edit(CDialogBusPowerFlow::kLoadP)->setText(QStringLiteral("80"));
        data->Fields().Edit(CDialogBusPowerFlow::kLoadQ)->setText(QStringLiteral("30"));
        data->accept();
    });
    doubleClickAt({460, -395});
    EXPECT_TRUE(answers.empty());
    ASSERT_EQ(doc().FindBus(1)->m_type, CBus::kSlack);
    ASSERT_DOUBLE_EQ(doc().FindBus(3)->m_loadP, 80.0);

    triggerMenuItem(CMenuLayout::kAnalysis, Id::RunPowerFlow);
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    ASSERT_EQ(state().m_resultState, CSkemtorApp::kPowerFlowResults);

    const std::map<int, BusResult> buses = readBusResults();
    const std::vector<BranchResult> branches = readBranchResults();
    ASSERT_EQ(buses.size(), 3u);
    ASSERT_EQ(branches.size(), 4u);

    // Bus labels: |V| beside the bar, 30 units above its bottom edge.
    {
        RecordingSurface surface;
        state().m_displayChoice = 0;
        CDiagramPainter::Draw(surface, doc(), state());
        const std::vector<Label> labels = labelsOf(surface);
        for (int number = 1; number <= 3; ++number) {
            SCOPED_TRACE(number);
            const CBus* bus = doc().FindBus(number);
            const Label* voltage = labelAt(labels, bus->m_xMax + 1, bus->m_yMin + 30);
            ASSERT_NE(voltage, nullptr) << surface.Joined();
            ASSERT_TRUE(std::regex_match(voltage->text, std::regex(R"(\d\.\d{3})")))
                << voltage->text;
            EXPECT_NEAR(std::stod(voltage->text), buses.at(number).voltage, 0.0005 + 1e-9);
        }
        // The slack bus holds its set point; the loaded end sags below it.
        EXPECT_NEAR(buses.at(1).voltage, 1.02, 1e-4);
        EXPECT_LT(buses.at(3).voltage, buses.at(2).voltage);
    }

    // Branch labels: the flow leaving each end, a third of the way in from that end.
    {
        RecordingSurface surface;
        state().m_displayChoice = 2;
        CDiagramPainter::Draw(surface, doc(), state());
        const std::vector<Label> labels = labelsOf(surface);
        for (const CLine* line : {first, second}) {
            SCOPED_TRACE(testing::Message() << "branch " << line->m_bus1 << "-" << line->m_bus2);
            const CPointL a = line->m_points[0];
            const CPointL b = line->m_points[static_cast<std::size_t>(line->m_pointCount - 1)];
            const struct {
                CPointL at;
                int from, to;
            } ends[] = {
                {{a.x + (b.x - a.x) / 3, a.y + (b.y - a.y) / 3 + 10}, line->m_bus1, line->m_bus2},
                {{b.x - (b.x - a.x) / 3, b.y - (b.y - a.y) / 3 + 10}, line->m_bus2, line->m_bus1}};
            for (const auto& end : ends) {
                const Label* label = labelAt(labels, end.at.x, end.at.y);
                ASSERT_NE(label, nullptr) << surface.Joined();
                const BranchResult* flow = findFlow(branches, end.from, end.to);
                ASSERT_NE(flow, nullptr);
                double p = 0, q = 0;
                ASSERT_TRUE(parseFlowLabel(label->text, p, q)) << label->text;
                EXPECT_NEAR(p, flow->p * 100.0, 0.05 + 1e-6) << label->text;
                EXPECT_NEAR(q, flow->q * 100.0, 0.05 + 1e-6) << label->text;
            }
        }
    }

    // What the slack bus generates is the load plus what the lines lose.
    double losses = 0;
    for (const BranchResult& r : branches) losses += r.p * 100.0;
    EXPECT_GT(losses, 0.0);
    EXPECT_NEAR(buses.at(1).genP, 80.0 + losses, 0.1);
    const BranchResult* intoLoad = findFlow(branches, 3, 2);
    ASSERT_NE(intoLoad, nullptr);
    EXPECT_NEAR(intoLoad->p * 100.0, -80.0, 0.1);
    EXPECT_NEAR(intoLoad->q * 100.0, -30.0, 0.1);

    // A click on the load bus puts its solved state into the analysis status bar, in the
    // digits the engine wrote.
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, view().ToPixel({450, -395}));
    frame().IdleUpdate();
    EXPECT_EQ(frame().AnalysisText()->text().toStdString(),
              "Voltage: " + buses.at(3).voltageText + "  Angle: " + buses.at(3).angleText);

    // The window paints with the results on it; the load bus bar is drawn in black.
    state().m_displayChoice = 0;
    const QPixmap window = frame().grab();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window.size(), frame().size());
    const QImage picture = canvas().grab().toImage();
    const QPoint insideBar = view().ToPixel({465, -395});
    EXPECT_EQ(picture.pixelColor(insideBar), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(view().ToPixel({300, -500})), QColor(Qt::white));
}

TEST_F(DrawNetworkEndToEndTest, TheSpaceBarWorksBeforeTheFirstClickOnTheDiagram) {
    auto bus = std::make_unique<CBus>(300, -300, 1, 1);
    doc().AddBus(std::move(bus));
    clickToolButton(Id::ToolCapacitor);
    QTest::mouseMove(&canvas(), view().ToPixel({260, -300}));
    // Keys go where the window's focus is.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, ' ');
    EXPECT_EQ(view().Editor().m_direction, 90);
}

TEST_F(DrawNetworkEndToEndTest, FileNewGivesBackTheStartingCanvas) {
    const QSize start = canvas().size();
    // Two buses near the right edge widen the canvas twice.
    for (int x : {5950, 6200}) {
        view().horizontalScrollBar()->setValue(view().horizontalScrollBar()->maximum());
        clickToolButton(Id::ToolHorizontalBus);
        clickAt({x, -150});
    }
    ASSERT_EQ(doc().GetBusCount(), 2);
    ASSERT_EQ(state().m_canvasSize.width, 6500);
    ASSERT_GT(canvas().width(), start.width());

    ui.saveChoices.push_back(FakeDesktopUserInterface::SaveChoice::Discard);
    ui.caseNames.push_back("NEXT LAB");
    trigger(Id::FileNew);
    ASSERT_EQ(doc().GetBusCount(), 0);
    EXPECT_EQ(state().m_canvasSize.width, 6000);
    // The scroll area shows no more than the canvas the editor grows from: a click the
    // user can reach lands inside it.
    EXPECT_EQ(canvas().size(), start);
}

} // namespace
