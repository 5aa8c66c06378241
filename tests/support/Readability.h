#pragma once

// Checks of what a user can read in a window, for the tests that walk the
// main window and every dialog: texts drawn in colours that do not stand out
// from what is behind them, and texts their controls are too small to show.

#include <QColor>
#include <QStringList>

class QAbstractItemView;
class QWidget;

namespace rkm::test {

// The contrast ratio of two colours (1 to 21) from their relative
// luminances, as the web's accessibility guidelines reckon it; a colour
// with alpha is first laid over `behind`.
double ContrastRatio(const QColor &text, const QColor &behind);

// The visible labels, buttons, text boxes and item views of `window` whose
// text colour contrasts less than 4.5 with their background (the effective
// palette's foreground and background roles; for a label, the background of
// the nearest control below it that fills its own), and the item models'
// ForegroundRole/BackgroundRole colours against the view's: "object: text
// (ratio)".
QStringList UnreadableTexts(QWidget *window);

// The visible labels and buttons of `window` smaller than their text needs
// (narrower or lower than their minimum size hint; a label that wraps, lower
// than its height for its width): "object: text (has WxH, needs WxH)".
// A label whose width is set to be ignored (a line cut on purpose, whole in
// its tooltip) is checked for its height only.
QStringList CutTexts(QWidget *window);

} // namespace rkm::test
