#include "search/ui/Frmlistproperties.h"

#include "catalog/CatalogStore.h"
#include "gui/Focus.h"
#include "gui/Help.h"
#include "gui/LineEdits.h"
#include "gui/MessageLine.h"
#include "gui/Prompter.h"
#include "gui/WaitCursor.h"
#include "platform/Launch.h"
#include "platform/Text.h"
#include "search/Annotations.h"

#include "ui_Frmlistproperties.h"
#include "gui/PlainText.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QStringListModel>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace rkm {

namespace {

std::string Bytes(const QString &s)
{
    return s.toUtf8().toStdString();
}

} // namespace

TfrmListProperties::TfrmListProperties(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TfrmListProperties>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_ui->OKBtn, &QPushButton::clicked, this, [this] {
        // A text longer than a listing holds is refused, with the reason.
        if (m_message->checkRoom())
            accept();
    });
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->cmdLaunch, &QPushButton::clicked, this, &TfrmListProperties::cmdLaunchClick);
    connect(m_ui->cmdOpenFolder, &QPushButton::clicked, this, &TfrmListProperties::cmdOpenFolderClick);
    KeepOnOneLine(m_ui->txtDescription);
    KeepOnOneLine(m_ui->cboCategory->lineEdit());
    // No length limit: a line edit would otherwise cut a longer stored text
    // when it is shown, and OK would then store the cut text.
    m_ui->txtDescription->setMaxLength(std::numeric_limits<int>::max());
    m_ui->cboCategory->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // The box offers the categories that hold what is typed, in a list below
    // it, but stores exactly the typed text: the combo box's own completion
    // would put the first match (in any letter case) in place of "Disk" or
    // "DOCUMENTATION". Its completer is left out, which also makes the combo
    // box match the list only in exact case when the box is left; this one
    // only offers.
    m_ui->cboCategory->setCompleter(nullptr);
    m_completer = new QCompleter(new QStringListModel(this), this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setFilterMode(Qt::MatchContains);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setWidget(m_ui->cboCategory->lineEdit());
    connect(m_ui->cboCategory->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text.isEmpty()) {
            m_completer->popup()->hide();
            return;
        }
        m_completer->setCompletionPrefix(text);
        m_completer->complete();
    });
    connect(m_completer, qOverload<const QString &>(&QCompleter::activated), this, [this](const QString &text) {
        // Picked from the list: that category, as the list holds it.
        m_ui->cboCategory->lineEdit()->setText(text);
    });
    m_message = new MessageLine(m_ui->lblMessage);
    m_message->watchRoom(m_ui->txtDescription, tr("Description"),
                         [this] { return descriptionText().size(); });
    m_message->watchRoom(m_ui->cboCategory->lineEdit(), tr("Category"),
                         [this] { return categoryText().size(); });
    SetHelpContext(this, HELP_FILE_PROPERTIES);
}

TfrmListProperties::~TfrmListProperties() = default;

void TfrmListProperties::setEntry(const FileEntryView &entry, const std::vector<std::string> &categories,
                                  std::string folderPath)
{
    m_fileName = std::string(entry[FT_NAME]);
    m_description = std::string(entry[FT_DESCRIPTION]);
    m_category = std::string(entry[FT_CATEGORY]);
    m_categories = categories;
    m_folderPath = std::move(folderPath);
    m_ui->lblFilename->setText(platform::DecodeText(entry[FT_NAME]));
    m_ui->lblSize->setText(platform::DecodeText(entry[FT_SIZE]));
    m_ui->lblDate->setText(platform::DecodeText(entry[FT_DATE]));
    m_ui->txtDescription->setText(platform::DecodeText(m_description));
    m_ui->cboCategory->clear();
    QStringList shown;
    for (const std::string &c : categories)
        shown << platform::DecodeText(c);
    m_ui->cboCategory->addItems(shown);
    static_cast<QStringListModel *>(m_completer->model())->setStringList(shown);
    m_ui->cboCategory->setCurrentIndex(-1);
    m_ui->cboCategory->setEditText(platform::DecodeText(m_category));
    m_message->clear();
    setContents(std::nullopt, std::nullopt);
}

void TfrmListProperties::setContents(const std::optional<std::string> &picture,
                                     const std::optional<Fingerprint> &fingerprint)
{
    m_ui->lblFingerprint->setText(fingerprint ? QString::fromStdString(FingerprintText(*fingerprint)) : QString());
    m_ui->lblFingerprintCaption->setVisible(fingerprint.has_value());
    m_ui->lblFingerprint->setVisible(fingerprint.has_value());
    QImage image;
    if (picture)
        image.loadFromData(reinterpret_cast<const uchar *>(picture->data()), static_cast<int>(picture->size()), "JPEG");
    if (image.isNull()) {
        m_ui->lblPicture->clear();
        m_ui->lblPicture->hide();
        return;
    }
    // Drawn at the screen's pixel ratio: a picture of 256 pixels takes 128
    // points on a screen of ratio 2, each pixel shown.
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(std::max(devicePixelRatioF(), 1.0));
    m_ui->lblPicture->setPixmap(pixmap);
    m_ui->lblPicture->show();
}

std::string TfrmListProperties::descriptionText() const
{
    const QString shown = m_ui->txtDescription->text();
    if (shown == platform::DecodeText(m_description))
        return m_description;
    return platform::OneLineText(Bytes(shown));
}

std::string TfrmListProperties::categoryText() const
{
    const QString shown = m_ui->cboCategory->currentText();
    if (shown == platform::DecodeText(m_category))
        return m_category;
    for (const std::string &c : m_categories)
        if (shown == platform::DecodeText(c))
            return c;
    return platform::OneLineText(Bytes(shown));
}

std::string TfrmListProperties::filePath() const
{
    std::string path = m_folderPath;
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += path.find('/') == std::string::npos && path.find('\\') != std::string::npos ? '\\' : '/';
    return path + m_fileName;
}

void TfrmListProperties::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The dialog is made once: each showing starts at the description.
    FocusFirstField(this);
}

void TfrmListProperties::cmdLaunchClick()
{
    // Where the disk is mounted now: the file and the root it is checked
    // against both there.
    const PathsNow now = WhereNow(m_pathNow, filePath(), m_rootPath);
    const std::string &path = now.path;
    const QString shownPath = platform::DecodeText(path);
    const platform::LaunchCheck check = platform::CheckLaunch(now.rootPath, path);
    switch (check.verdict) {
    case platform::LaunchVerdict::Missing:
        if (DiskAbsent(now) && !m_insertText.isEmpty()) {
            prompter().message(this, QMessageBox::Information, shownPath, m_insertText, QMessageBox::Ok);
            return;
        }
        prompter().message(this, QMessageBox::Warning, shownPath,
                           tr("The file could not be found, please make sure the right disk is inserted."),
                           QMessageBox::Ok);
        return;
    case platform::LaunchVerdict::Outside:
        prompter().message(this, QMessageBox::Warning, shownPath,
                           tr("The file %1 lies outside the listing's folder %2, so it is not opened.")
                               .arg(shownPath, platform::DecodeText(now.rootPath)),
                           QMessageBox::Ok);
        return;
    case platform::LaunchVerdict::NotAFile:
        prompter().message(this, QMessageBox::Warning, shownPath,
                           tr("%1 is not a file that can be opened.").arg(shownPath), QMessageBox::Ok);
        return;
    case platform::LaunchVerdict::AskFirst:
        if (prompter().message(this, QMessageBox::Question, shownPath,
                               tr("%1 is a program or a desktop launcher: opening it runs it.\n\n"
                                  "Open it anyway?")
                                   .arg(shownPath),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        break;
    case platform::LaunchVerdict::Open:
        break;
    }
    if (!prompter().openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(check.resolved))))) {
        // Nothing was started: the dialog stays, with what was typed.
        m_message->refuse(tr("No program is set up to open %1.").arg(shownPath));
        return;
    }
    // Launching ends the dialog as cancelled: edits made before are not kept.
    reject();
}

void TfrmListProperties::cmdOpenFolderClick()
{
    // The dialog stays: nothing typed is lost.
    OpenContainingFolder(this, m_pathNow, filePath(), m_rootPath, m_insertText);
}

void ShowEntryContents(TfrmListProperties &dialog, CatalogStore &store, const TreeNode &folder, int entry)
{
    const TreeNode *disk = folder.disk().GetRootDisk()->Node;
    const std::string path = ContentPath(folder, entry);
    const WaitCursor wait;
    const std::optional<ContentRecord> kept = store.ContentOf(disk, path);
    std::optional<std::string> picture;
    if (kept && !kept->picture.empty())
        picture = kept->picture;
    dialog.setContents(picture, kept ? kept->fingerprint : std::nullopt);
}

QString TfrmListProperties::message() const
{
    return m_message->text();
}

} // namespace rkm
