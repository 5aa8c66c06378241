#include "app/Command.h"

#include <QCoreApplication>

#include <QAction>

namespace rkm {

bool CommandEnabled(CommandNeeds needs, const CommandState &state)
{
    switch (needs) {
    case CommandNeeds::Nothing:
        return true;
    case CommandNeeds::Selection:
        return state.selected;
    case CommandNeeds::Listings:
        return state.listings;
    }
    return false;
}

QAction *CommandList::add(const char *name, const char *caption, CommandNeeds needs, CommandKind kind,
                          std::function<void()> run, const QList<QKeySequence> &shortcuts)
{
    auto *action = new QAction(QCoreApplication::translate("Commands", caption), m_parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(shortcuts);
    // Until the window tells the selection, only what needs nothing is on.
    action->setEnabled(needs == CommandNeeds::Nothing);
    m_commands.push_back(Command{action, needs, kind, std::move(run)});
    return action;
}

} // namespace rkm
