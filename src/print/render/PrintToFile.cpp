#include "print/render/PrintToFile.h"

#include "catalog/Errors.h"
#include "platform/Translated.h"
#include "print/render/QtPrintSurface.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPageLayout>
#include <QPdfWriter>

namespace rkm {

namespace {

constexpr int PDF_RESOLUTION = 600;

} // namespace

void PrintPdfFile(const std::string &path, const PageRequest &request, const std::vector<std::string> &folderLines,
                  const std::vector<std::string> &fileLines)
{
    const QString file = QString::fromStdString(path);
    {
        // Said plainly here rather than by the printer's own warning.
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly))
            throw RackmereError(Utf8(rkm::Core::tr("Cannot create file %1: %2"),
                                     {path, probe.errorString().toStdString()}));
    }
    // A4 with 10 mm margins, as the desktop's PDF printer lays out its page.
    QPdfWriter writer(file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
    writer.setResolution(PDF_RESOLUTION);
    writer.setTitle(JobTitle(request.title));
    try {
        PrintPage(writer, request, folderLines, fileLines, nullptr);
    } catch (const RackmereError &) {
        throw RackmereError(Utf8(rkm::Core::tr("Cannot create file %1"), {path}));
    }
    if (!QFileInfo(file).isFile() || QFileInfo(file).size() == 0)
        throw RackmereError(Utf8(rkm::Core::tr("Cannot create file %1"), {path}));
}

void WritePreviewPng(const std::string &path, const PageRequest &request,
                     const std::vector<std::string> &folderLines, const std::vector<std::string> &fileLines)
{
    int pages = 1;
    const QImage image = RenderPreviewImage(request, folderLines, fileLines, 1.0, &pages);
    if (request.page >= pages)
        throw RackmereError(Utf8(rkm::Core::tr("The preview has %n page(s), no page %1", nullptr, pages)
                                     .arg(request.page + 1)));
    QImageWriter writer(QString::fromStdString(path), "png");
    if (!writer.write(image))
        throw RackmereError(Utf8(rkm::Core::tr("Cannot create file %1: %2"),
                                 {path, writer.errorString().toStdString()}));
}

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Without a desktop session there is no runtime folder; Qt says so and goes
// on with one of its own, which is all a terminal command needs.
void QuietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

QCoreApplication *MakeOffscreenGuiApplication(int &argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previousHandler = qInstallMessageHandler(QuietHandler);
    return new QGuiApplication(argc, argv);
}

} // namespace rkm
