#include "app/Application.h"

#include "gui/Help.h"
#include "gui/ErrorReport.h"
#include "service/Project.h"

#include <QIcon>

namespace rkm {

RackmereApplication::RackmereApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Rackmere"));
    setOrganizationName(QStringLiteral("Rackmere"));
    setApplicationVersion(QStringLiteral("1.0"));
    setDesktopFileName(QStringLiteral("rackmere"));
    InitResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/rackmere.png")));
}

bool RackmereApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ReportGeneralError(activeWindow(), QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace rkm
