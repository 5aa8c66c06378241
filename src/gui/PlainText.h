#pragma once

#include <QString>

class QWidget;

namespace rkm {

// Names and paths come from listings, the file system or the user: they are
// shown as they are, never read as markup (a disk named "<img src=...>" shows
// those characters, not a picture from the local disk).

// Makes every label of a window show its text as plain text. Each dialog
// calls it right after building its controls.
void ShowLabelsAsPlainText(QWidget *window);

// A tool tip that shows `text` as it is (tool tips otherwise guess markup).
QString PlainToolTip(const QString &text);

} // namespace rkm
