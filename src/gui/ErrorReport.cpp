#include "gui/ErrorReport.h"

#include "gui/Prompter.h"
#include "service/Project.h"

namespace rkm {

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ReportGeneralError(QWidget *parent, const QString &message)
{
    prompter().message(parent, QMessageBox::Critical, QString::fromLatin1(APP_TITLE), ErrorReportText(message),
                       QMessageBox::Ok);
}

} // namespace rkm
