#!/bin/sh
# The layers point one way: the core knows no widgets, no painter and none of
# the layers above it; the renderer knows no widgets; dialogs and the shared
# widget services know nothing of the main window. Prints every include that
# points the wrong way and fails when there is one.
cd "$(dirname "$0")/../src" || exit 2
bad=0
check() { # what, pattern, files...
    what=$1 pattern=$2
    shift 2
    hits=$(grep -nE "$pattern" "$@" 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$what:"
        echo "$hits"
        bad=1
    fi
}
core="catalog/*.* scan/*.* search/*.* print/*.* platform/*.* service/*.* export/*.* mounts/*.*"
widgets='#include *<(Qt(Widgets|Gui|PrintSupport)/|Q(Widget|Dialog|Application|GuiApplication|Painter|Image|Printer|PdfWriter|MessageBox|MainWindow|Font)[ >])'
above='#include *"(app|gui)/|#include *"[a-z]+/(ui|render)/'
# shellcheck disable=SC2086
check "core sources that include a widget or GUI header" "$widgets" $core cli/*.*
# shellcheck disable=SC2086
check "core sources that include a layer above the core" "$above" $core
check "the command line includes widgets or the desktop program" '#include *"(app|gui)/|#include *"[a-z]+/ui/' cli/*.*
check "the renderer includes widgets" '#include *<(QtWidgets/|QtPrintSupport/|Q(Widget|Dialog|Application|Printer|MessageBox|MainWindow)[ >])|#include *"(app|gui)/|#include *"[a-z]+/ui/' print/render/*.*
check "dialogs or widget services that include the main window's folder" '#include *"app/' gui/*.* */ui/*.*
check "widget services that include a dialog" '#include *"[a-z]+/ui/' gui/*.*
exit $bad
