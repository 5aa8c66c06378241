#pragma once

class QLineEdit;

namespace rkm {

// A line edit never keeps a line break: one typed or pasted becomes a space
// where it stands, and the cursor stays where it was.
void KeepOnOneLine(QLineEdit *edit);

} // namespace rkm
