#include "app/CCommandRegistry.h"

#include <QAction>

CCommandRegistry::CCommandRegistry(QObject* actionParent) : m_parent(actionParent) {}

CCommandRegistry::~CCommandRegistry() = default;

QAction* CCommandRegistry::Add(Command command) {
    auto* action = new QAction(command.label, m_parent);
    action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(command.id)));
    action->setData(static_cast<int>(command.id));
    if (!command.shortcuts.isEmpty()) action->setShortcuts(command.shortcuts);
    if (!command.tooltip.isEmpty()) action->setToolTip(command.tooltip);
    action->setStatusTip(command.prompt);
    if (command.icon != CToolbarIcons::Kind::None)
        action->setIcon(CToolbarIcons::Icon(command.icon));
    action->setCheckable(static_cast<bool>(command.checked));
    const CommandId id = command.id;
    // The action's own toggling is undone by the rules: a check mark shows state, it is
    // not the state.
    QObject::connect(action, &QAction::triggered, action, [this, id] { Execute(id); });
    auto [it, inserted] = m_entries.insert_or_assign(id, Entry{std::move(command), action});
    Apply(it->second);
    return action;
}

QAction* CCommandRegistry::Action(CommandId id) const {
    const auto it = m_entries.find(id);
    return it == m_entries.end() ? nullptr : it->second.action;
}

const CCommandRegistry::Command* CCommandRegistry::Find(CommandId id) const {
    const auto it = m_entries.find(id);
    return it == m_entries.end() ? nullptr : &it->second.command;
}

bool CCommandRegistry::IsEnabled(CommandId id) const {
    const Command* command = Find(id);
    if (command == nullptr || !command->run) return false;
    return !command->enabled || command->enabled();
}

void CCommandRegistry::Apply(Entry& entry) {
    entry.action->setEnabled(IsEnabled(entry.command.id));
    if (entry.command.checked) entry.action->setChecked(entry.command.checked());
}

void CCommandRegistry::Update() {
    for (auto& [id, entry] : m_entries) Apply(entry);
}

bool CCommandRegistry::Execute(CommandId id) {
    if (!IsEnabled(id)) {
        Update();
        return false;
    }
    // Copied, since a handler may rebuild menus or replace entries.
    const std::function<void()> run = Find(id)->run;
    run();
    Update();
    return true;
}
