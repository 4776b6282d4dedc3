#pragma once

#include "app/CToolbarIcons.h"
#include "app/CommandId.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QObject;

// The one table of commands: for each id its label, shortcuts, tooltip, status prompt,
// toolbar image and enable and check rules, and the handler. Each id has exactly one
// QAction; menus and toolbars only place those actions, so a command looks and behaves
// the same wherever it is offered. Rules are evaluated by Update(), which the frame runs
// before a menu opens and whenever the program idles.
class CCommandRegistry {
public:
    using Rule = std::function<bool()>;

    struct Command {
        CommandId id;
        QString label;                 // menu text with its mnemonic, without the shortcut
        QList<QKeySequence> shortcuts; // the first is the one shown in menus
        QString tooltip;
        QString prompt; // shown in the status bar's message pane
        CToolbarIcons::Kind icon = CToolbarIcons::Kind::None;
        Rule enabled;              // empty: always enabled
        Rule checked;              // empty: not a check item
        std::function<void()> run; // empty: not handled, so always disabled
    };

    explicit CCommandRegistry(QObject* actionParent);
    ~CCommandRegistry();
    CCommandRegistry(const CCommandRegistry&) = delete;
    CCommandRegistry& operator=(const CCommandRegistry&) = delete;

    QAction* Add(Command command);
    QAction* Action(CommandId id) const;
    const Command* Find(CommandId id) const;
    bool Contains(CommandId id) const { return Find(id) != nullptr; }

    // Re-evaluates every enable and check rule.
    void Update();
    // Runs a command as its menu item would: only when its rule allows it now.
    bool Execute(CommandId id);
    // Whether the command's rule allows it now (a command nobody handles never runs).
    bool IsEnabled(CommandId id) const;

private:
    struct Entry {
        Command command;
        QAction* action;
    };
    void Apply(Entry& entry);

    QObject* m_parent;
    std::map<CommandId, Entry> m_entries;
};
