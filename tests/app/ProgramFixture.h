#pragma once

#include "app/CDesktopApp.h"
#include "app/CMainFrame.h"
#include "tests/app/FakeDesktopUserInterface.h"
#include "tests/support/ScopedWorkDir.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tarvex::test {

// The whole desktop program in a fresh working directory, with a scripted user
// interface, a private profile file and the real power flow engine.
class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    CSkemtorApp& state() { return program->State(); }
    CSkemtorDoc& doc() { return program->Document(); }
    CMainFrame& frame() { return program->Frame(); }
    QAction* action(CommandId id) { return program->Commands().Action(id); }

    // Triggers a command's action as a click on its menu item does, after the rules
    // have been evaluated as they are before a menu opens.
    void trigger(CommandId id);
    // The texts of a menu as shown: "---" for a separator, "Label\tShortcut" otherwise.
    QStringList menuTexts(CMenuLayout::MenuIndex index);
    // The actions of a top-level menu after it has been rebuilt for the mode.
    QList<QAction*> menuActions(CMenuLayout::MenuIndex index);

    // A network of two buses: slack bus 1 at 1.0 p.u. and a load of 50 MW at bus 2,
    // joined by a line of reactance 0.1 p.u. and no resistance or charging.
    void buildTwoBusNetwork();
    // Saves the current document to `name` in the working directory.
    void saveDocument(const std::string& name);

    ScopedWorkDir dir;
    FakeDesktopUserInterface ui;
    std::unique_ptr<QSettings> profile;
    std::unique_ptr<CDesktopApp> program;
};

} // namespace tarvex::test
