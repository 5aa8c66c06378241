#pragma once

#include <QString>

class QWidget;

namespace rkm {

// The text of the general error report: a full stop is added when the last
// character sorts after the full stop (a letter or a digit, for instance).
QString ErrorReportText(const QString &message);
// The general error report: "Rackmere V1.0", an error icon and OK.
void ReportGeneralError(QWidget *parent, const QString &message);

} // namespace rkm
