#pragma once

#include <QKeySequence>
#include <QList>

#include <functional>
#include <vector>

class QAction;
class QObject;

namespace rkm {

// When a command can be chosen.
enum class CommandNeeds {
    Nothing,   // always
    Selection, // a node is selected in the tree
    Listings,  // the catalogue holds a listing
};

// Whether a command may change the catalogue (a name, a file entry, the list
// of disks). The window stops a running Find all before every command that
// edits: the search reads the catalogue on a thread of its own.
enum class CommandKind { Reads, Edits };

// What the enabling of the commands is decided on.
struct CommandState {
    bool selected = false;
    bool listings = false;
};

bool CommandEnabled(CommandNeeds needs, const CommandState &state);

// One command: its action (a menu item or a pop-up menu item, with the object
// name, caption and short cuts it is known by), when it can be chosen, and
// what it does. The action is not connected: the window that places it runs
// `run` when it is triggered, through the one guard of all commands.
struct Command {
    QAction *action = nullptr;
    CommandNeeds needs = CommandNeeds::Nothing;
    CommandKind kind = CommandKind::Reads;
    std::function<void()> run;
};

// The commands of one command class, in the order they were added.
class CommandList final {
public:
    // The actions are children of `actionParent` (the main window).
    explicit CommandList(QObject *actionParent) : m_parent(actionParent) {}

    QAction *add(const char *name, const char *caption, CommandNeeds needs, CommandKind kind, std::function<void()> run,
                 const QList<QKeySequence> &shortcuts = {});

    const std::vector<Command> &commands() const { return m_commands; }

private:
    QObject *m_parent;
    std::vector<Command> m_commands;
};

} // namespace rkm
