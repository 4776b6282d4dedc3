#pragma once

#include "app/CommandId.h"
#include "model/SkemtorApp.h"

#include <QString>

#include <vector>

// Where each command is offered: the menu bar in its fixed order, the items each mode
// puts into the Analysis, Measurement and Options menus, and the two toolbars. Only ids
// appear here; the commands themselves live in CCommandRegistry.
class CMenuLayout {
public:
    struct Entry {
        enum class Kind { Command, Separator, Submenu, RecentFiles };
        Kind kind = Kind::Command;
        CommandId id{};
        QString title;               // submenu title
        std::vector<Entry> children; // submenu entries
        bool top = false;            // mode items inserted first, after the others
        bool onlyWithPowerFlowResults = false;

        static Entry Item(CommandId id) { return {Kind::Command, id, {}, {}, false, false}; }
        static Entry Separator() { return {Kind::Separator, {}, {}, {}, false, false}; }
    };

    struct Menu {
        QString title;
        std::vector<Entry> entries;
    };

    // Indices of the menus in MenuBar().
    enum MenuIndex {
        kFile,
        kEdit,
        kView,
        kMode,
        kElement,
        kMeasurement,
        kAnalysis,
        kOptions,
        kHelp
    };

    static std::vector<Menu> MenuBar();

    // What a mode puts above the Analysis menu's separator, into the Measurement menu and
    // after "Program &Settings" in the Options menu, in order.
    static std::vector<Entry> AnalysisItems(CSkemtorApp::Mode mode);
    static std::vector<Entry> MeasurementItems(CSkemtorApp::Mode mode);
    static std::vector<Entry> OptionsItems(CSkemtorApp::Mode mode);

    // Toolbar buttons; a separator where the id list says Separator.
    static std::vector<Entry> StandardToolBar();
    static std::vector<Entry> ElementToolBar();
};
