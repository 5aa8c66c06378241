#include "gui/Online.h"

#include "gui/Prompter.h"
#include "platform/Text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

#include <algorithm>

namespace rkm {

namespace {

// The mark at `size` device-independent pixels and `ratio`, for a picture
// of `size`: a disc of about 9/16 of it in the lower right corner.
void PaintMark(QPainter &p, const QSize &size)
{
    const qreal side = std::max<qreal>(6.0, size.width() * 9.0 / 16.0);
    const QRectF disc(size.width() - side, size.height() - side, side, side);
    p.setRenderHint(QPainter::Antialiasing);
    // A dark outline, then a white ring, then the green: one of the two
    // edges stands out on any background.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 20));
    p.drawEllipse(disc);
    p.setBrush(Qt::white);
    p.drawEllipse(disc.adjusted(side / 10, side / 10, -side / 10, -side / 10));
    p.setBrush(QColor(30, 180, 60));
    p.drawEllipse(disc.adjusted(side / 4.5, side / 4.5, -side / 4.5, -side / 4.5));
}

QPixmap MarkedPixmap(const QIcon &base, const QSize &size, qreal ratio)
{
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    if (!base.isNull())
        base.paint(&p, QRect(QPoint(0, 0), size));
    PaintMark(p, size);
    return pm;
}

} // namespace

QIcon WithOnlineMark(const QIcon &base)
{
    QIcon marked;
    for (const int side : {16, 22, 24, 32})
        for (const qreal ratio : {1.0, 2.0})
            marked.addPixmap(MarkedPixmap(base, QSize(side, side), ratio));
    return marked;
}

QIcon OnlineMark()
{
    static const QIcon mark = WithOnlineMark(QIcon());
    return mark;
}

QString MountedAtText(const std::string &mountPoint)
{
    return QCoreApplication::translate("rkm::Online", "Mounted at %1").arg(platform::DecodeText(mountPoint));
}

QString InsertDiskText(const QString &name, const std::string &location, const std::string &lentTo)
{
    QString text = QCoreApplication::translate("rkm::Online", "Insert the disk \u201C%1\u201D.").arg(name);
    if (!location.empty())
        text += QLatin1Char('\n') +
                QCoreApplication::translate("rkm::Online", "It is kept at: %1.").arg(platform::DecodeText(location));
    if (!lentTo.empty())
        text += QLatin1Char('\n') +
                QCoreApplication::translate("rkm::Online", "It is lent to: %1.").arg(platform::DecodeText(lentTo));
    return text;
}

PathsNow WhereNow(const PathMapper &mapper, const std::string &path, const std::string &rootPath)
{
    if (mapper) {
        std::string now = mapper(path);
        if (!now.empty())
            return {std::move(now), mapper(rootPath), true};
    }
    return {path, rootPath, false};
}

bool DiskAbsent(const PathsNow &now)
{
    return !now.online && !QFileInfo(QFile::decodeName(QByteArray::fromStdString(now.rootPath))).isDir();
}

bool OpenContainingFolder(QWidget *parent, const PathMapper &mapper, const std::string &path,
                          const std::string &rootPath, const QString &insertText)
{
    const PathsNow now = WhereNow(mapper, path, rootPath);
    const QString file = QFile::decodeName(QByteArray::fromStdString(now.path));
    const QString folder = QFileInfo(file).absolutePath();
    const QString shown = platform::DecodeText(now.path);
    if (!QFileInfo(folder).isDir()) {
        // Not mounted: which disk to put in, and where it is.
        if (DiskAbsent(now) && !insertText.isEmpty())
            prompter().message(parent, QMessageBox::Information, QStringLiteral("Rackmere"), insertText,
                               QMessageBox::Ok);
        else
            prompter().message(parent, QMessageBox::Warning, shown,
                               QCoreApplication::translate("rkm::Online",
                                                           "The folder %1 could not be found, please make sure the "
                                                           "right disk is inserted.")
                                   .arg(folder),
                               QMessageBox::Ok);
        return false;
    }
    if (!prompter().openUrl(QUrl::fromLocalFile(folder))) {
        prompter().message(parent, QMessageBox::Warning, shown,
                           QCoreApplication::translate("rkm::Online", "No program is set up to open the folder %1.")
                               .arg(folder),
                           QMessageBox::Ok);
        return false;
    }
    return true;
}

} // namespace rkm
