#pragma once

class QWidget;

namespace rkm {

// Puts the focus on the first control the Tab key reaches in `window` (its
// first field, when the tab order runs in reading order, as every dialog's
// does). A dialog made once and shown again calls it as it is shown, so it
// opens where the typing is meant to go rather than where it was left.
void FocusFirstField(QWidget *window);

} // namespace rkm
