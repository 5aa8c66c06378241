#include "app/ExportCommands.h"

#include "app/MainView.h"
#include "catalog/CatalogStore.h"
#include "export/Export.h"
#include "export/ui/Frmexport.h"
#include "gui/Prompter.h"
#include "gui/WaitCursor.h"
#include "platform/Text.h"
#include "service/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rkm {

namespace {

// Stored with the window settings: the last form chosen and the folder
// exported to.
constexpr char kFormatKey[] = "ExportFormat";
constexpr char kFolderKey[] = "ExportFolder";

QString nameFilter(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Csv:
        return ExportCommand::tr("CSV files (*.csv)");
    case ExportFormat::Json:
        return ExportCommand::tr("JSON files (*.json)");
    case ExportFormat::Html:
        return ExportCommand::tr("HTML pages (*.html *.htm)");
    }
    return {};
}

// A file name suggested from a listing's name: characters a file name
// cannot hold, or that trouble a USB stick's FAT file system, become '_'.
QString suggestedName(const QString &base, ExportFormat format)
{
    QString name = base.trimmed();
    for (QChar &c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("Rackmere"));
    return name + QLatin1Char('.') + QString::fromLatin1(ExportFormatExtension(format));
}

} // namespace

ExportCommand::ExportCommand(CatalogStore &store, MainView &view)
    : m_store(store), m_view(view), m_commands(view.dialogParent())
{
    m_commands.add("mnuExport", QT_TRANSLATE_NOOP("Commands", "&Export..."), CommandNeeds::Listings, CommandKind::Reads, [this] { exportListings(); });
}

void ExportCommand::exportListings()
{
    const Catalog &tree = m_store.Tree();
    const TreeNode *selected = m_view.currentDisk() ? m_view.currentDisk()->Node : nullptr;
    TfrmExport dialog(m_view.dialogParent());
    dialog.setChoices(selected ? platform::DecodeText(selected->text()) : QString(), tree.diskCount());
    const int stored = GetSettingInt(kFormatKey, 0);
    dialog.setFormat(stored >= 0 && stored <= 2 ? static_cast<ExportFormat>(stored) : ExportFormat::Csv);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ExportFormat format = dialog.format();
    SetSettingInt(kFormatKey, static_cast<int>(format));

    std::vector<const TreeNode *> disks;
    if (dialog.wholeCatalogue() || !selected) {
        for (int i = 0; i < tree.diskCount(); ++i)
            disks.push_back(tree.disk(i));
    } else {
        disks.push_back(selected);
    }

    QString folder = QString::fromStdString(GetSettingString(kFolderKey));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString base = disks.size() == 1 ? platform::DecodeText(m_store.Tree().displayName(*disks[0]))
                                           : tr("Rackmere catalogue");
    QString path = prompter().saveFileName(m_view.dialogParent(), tr("Export"),
                                           QDir(folder).filePath(suggestedName(base, format)), nameFilter(format));
    if (path.isEmpty())
        return;
    // A name typed without an extension gets the format's.
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QString::fromLatin1(ExportFormatExtension(format));
    SetSettingString(kFolderKey, QFileInfo(path).absolutePath().toStdString());

    ExportOptions options;
    options.shelf = [this](const TreeNode &disk) { return ShelfOf(m_store.ExtrasOf(&disk)); };
    if (dialog.pictures())
        options.picture = [this](const TreeNode &disk, std::string_view entryPath) {
            return m_store.PictureOf(&disk, entryPath).value_or(std::string());
        };
    WaitCursor wait;
    ExportToFile(disks, format, QFile::encodeName(path).toStdString(), &m_store.Tree(), options);
}

} // namespace rkm
