#pragma once

#include "exchange/editing/DiagramEditor.h"
#include "exchange/editing/EditorHost.h"
#include "exchange/editing/ElementDialogs.h"
#include "model/SkemtorDoc.h"
#include "tests/exchange/FakeUserInterface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvex::test {

// Records which dialogs the editor opened, in order, and lets a test change the element
// as a user confirming the dialog would.
class FakeDialogs : public CElementDialogs {
public:
    std::vector<std::string> opened;
    void EditBus(CBus&) override { opened.push_back("bus"); }
    void EditLine(CLine&) override { opened.push_back("line"); }
    void EditCapacitance(CCapacitance&) override { opened.push_back("capacitance"); }
    void EditPowerFlowMeter(CPowerFlow&) override { opened.push_back("power flow meter"); }
    void EditCurrentMeter(CCurrent&) override { opened.push_back("current meter"); }
    void EditPowerInjectionMeter(CPowerInjection&) override { opened.push_back("injection meter"); }
    void EditVoltageMeter(CVoltage&) override { opened.push_back("voltage meter"); }
    void EditShort(CShort&) override { opened.push_back("short"); }
    void EditZground(CZground&) override { opened.push_back("zground"); }
    void EditGeneratorDynamics(CGenerator&) override { opened.push_back("generator dynamics"); }
    void EditGeneratorCost(CGenerator&) override { opened.push_back("generator cost"); }
};

class FakeHost : public CEditorHost {
public:
    int resizes = 0;
    bool cursorHidden = false;
    bool captured = false;
    int ghostChanges = 0;

    void CanvasResized() override { ++resizes; }
    void SetCursorHidden(bool hidden) override { cursorHidden = hidden; }
    void SetMouseCaptured(bool on) override { captured = on; }
    void GhostChanged() override { ++ghostChanges; }
};

// An editor on an empty document, with helpers that act as the user would.
class EditorFixture : public ::testing::Test {
protected:
    CSkemtorDoc doc;
    CSkemtorApp app;
    FakeUserInterface ui;
    FakeDialogs dialogs;
    FakeHost host;
    CDiagramEditor editor{doc, app, ui, dialogs, host};

    void Click(CSkemtorApp::Tool tool, int x, int y) {
        app.m_tool = tool;
        editor.LeftButtonDown({x, y});
    }
    // A horizontal bus whose bar spans x in [x - 70, x] and y in [y, y + 10].
    CBus& AddBus(int x, int y) {
        Click(CSkemtorApp::Tool::HorizontalBus, x, y);
        return *doc.GetBus(doc.GetBusCount() - 1);
    }
    // A straight line from a point on one bus to a point on the other.
    CLine& AddLine(CPointL from, CPointL to) {
        Click(CSkemtorApp::Tool::Line, from.x, from.y);
        Click(CSkemtorApp::Tool::Line, to.x, to.y);
        return *doc.GetLine(doc.GetLineCount() - 1);
    }
};

} // namespace tarvex::test
