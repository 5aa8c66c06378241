#pragma once

class QTextBrowser;
class QWidget;

namespace rkm {

// Help topics, by context number.
enum HelpContext : int {
    HELP_CONTENTS = 0,
    HELP_MAIN_WINDOW = 1,
    HELP_ADD_NEW = 3,
    HELP_SEARCH = 4,
    HELP_PRINT_OPTIONS = 5,
    HELP_FILE_PROPERTIES = 8,
    HELP_LISTING_PROPERTIES = 9,
    HELP_EXPORT = 10,
    HELP_DUPLICATES = 11,
    HELP_COMPARE = 12, // Compare with and Verify
};

// Opens the help window at a topic (HELP_CONTENTS for the contents page).
void ShowHelp(QWidget *parent, int context);
// Makes F1 in `window` open the topic `context`.
void SetHelpContext(QWidget *window, int context);
// The help window and its page view while it is open, else null.
QWidget *HelpWindow();
QTextBrowser *HelpBrowser();
// Makes the compiled-in pages and pictures available (done once).
void InitResources();
// Closes the help window, if it is open (the main window does when it closes).
void CloseHelp();

} // namespace rkm
