#include "scan/ui/Frmprops.h"
#include "gui/LocaleText.h"

#include "ui_Frmprops.h"

#include "gui/Focus.h"
#include "gui/Help.h"
#include "gui/LineEdits.h"
#include "gui/MessageLine.h"
#include "gui/Prompter.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "platform/TextValues.h"
#include "scan/ListingOptions.h"
#include "scan/Props.h"
#include "gui/PlainText.h"
#include "scan/ui/ReadingBoxes.h"

#include <limits>
#include <tuple>

namespace rkm {

TfrmProps::TfrmProps(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TfrmProps>()), m_system(&platform::System())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    SetHelpContext(this, HELP_LISTING_PROPERTIES);
    connect(m_ui->m_pDrive, &QComboBox::currentIndexChanged, this, &TfrmProps::m_pDriveChange);
    connect(m_ui->OKBtn, &QPushButton::clicked, this, [this] {
        // A comment longer than a listing holds is refused, with the reason.
        if (!m_message->checkRoom())
            return;
        // So is a location or a "lent to" longer than is kept.
        const Shelf typed = shelf();
        for (const auto &[what, text, edit] :
             {std::tuple<const char *, const std::string *, QLineEdit *>{"location", &typed.location,
                                                                         m_ui->txtLocation},
              std::tuple<const char *, const std::string *, QLineEdit *>{"lent to", &typed.lentTo, m_ui->txtLentTo}}) {
            if (const std::string problem = ShelfTextProblem(what, *text); !problem.empty()) {
                edit->setFocus();
                m_message->refuse(QString::fromStdString(problem));
                return;
            }
        }
        m_stored = OKBtnClick();
        m_readingChanged = reading() != m_shownReading;
        m_shelfChanged = typed != m_shelf;
        accept();
    });
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    KeepOnOneLine(m_ui->txtComment);
    m_ui->txtComment->setMaxLength(std::numeric_limits<int>::max());
    m_message = new MessageLine(m_ui->lblMessage);
    m_message->watchRoom(m_ui->txtComment, tr("Comment"), [this] { return commentText().size(); });
    for (QLineEdit *edit : {m_ui->txtLocation, m_ui->txtLentTo}) {
        KeepOnOneLine(edit);
        m_message->watch(edit);
    }
}

TfrmProps::~TfrmProps() = default;

void TfrmProps::SetPropsNode(TreeNode *node)
{
    m_node = node;
    m_disk = node ? &node->disk() : nullptr;
}

void TfrmProps::FormShow()
{
    m_stored = false;
    m_readingChanged = false;
    m_shelfChanged = false;
    if (!m_node || !m_disk)
        return;
    const QString name = platform::DecodeText(m_node->text());
    m_ui->lblName->setText(name);
    setWindowTitle(tr("Properties for %1").arg(name));

    long folders = 0, files = 0;
    CountSubtree(*m_node, folders, files);
    const QLocale locale;
    m_ui->lblFolders->setText(locale.toString(qlonglong(folders)));
    m_ui->lblFiles->setText(locale.toString(qlonglong(files)));
    const SubtreeSize size = SizeOfSubtree(*m_node);
    QString sizeText = SizeForPeople(size.bytes);
    // Sizes listed in Kb only bound the total.
    if (size.bytes >= 1024)
        sizeText = size.exact ? tr("%1 (%2 bytes)").arg(sizeText, locale.toString(qulonglong(size.bytes)))
                              : tr("about %1").arg(sizeText);
    m_ui->lblSize->setText(sizeText);
    m_ui->lblRead->setText(m_lastRead.isValid() ? locale.toString(m_lastRead.toLocalTime(), QLocale::ShortFormat)
                                                : tr("not recorded"));

    m_fullPath = m_disk->GetFullPath();
    m_ui->lblPath->setText(platform::DecodeText(m_fullPath));
    m_ui->txtComment->setText(platform::DecodeText(m_disk->Comment));
    m_ui->txtLocation->setText(QString::fromStdString(m_shelf.location));
    m_ui->txtLentTo->setText(QString::fromStdString(m_shelf.lentTo));
    m_ui->cboOnMount->setCurrentIndex(static_cast<int>(m_shelf.onMount));
    m_message->clear();

    // What the listing read beyond names, dates and sizes, which its Update
    // reads again; a listing from before these were remembered shows what
    // its Update will read.
    const std::optional<ScanOptions> &remembered = m_reading;
    const ScanOptions reading = remembered.value_or(ScanOptions{});
    m_ui->lblReading->setText(remembered ? tr("Read when listed:") : tr("Not recorded when listed; Update reads:"));
    ShowReadingInBoxes(*m_ui, reading);
    m_shownReading = reading;
    m_ui->lblRoom->setText(SizeForPeople(m_storeRoom));

    const RootDrive drive = DriveOfRoot(m_disk->GetRootDisk()->RootPath, *m_system);
    m_prefix = drive.prefix;
    {
        const QSignalBlocker block(m_ui->m_pDrive);
        m_ui->m_pDrive->clear();
        // Shown with label, file system and size; the mount point is what counts.
        for (const platform::Volume &v : m_system->volumes())
            m_ui->m_pDrive->addItem(platform::DecodeText(DriveText(v)), QByteArray::fromStdString(v.mountPoint));
        m_ui->m_pDrive->setCurrentIndex(-1);
    }
    FocusFirstField(this);
    const int present = drive.present.empty() ? -1 : m_ui->m_pDrive->findData(QByteArray::fromStdString(drive.present));
    if (present >= 0) {
        m_ui->m_pDrive->setCurrentIndex(present); // runs m_pDriveChange
    } else {
        prompter().message(this, QMessageBox::Warning, QStringLiteral("Rackmere V1.0"),
                           tr("The root drive for this listing is not valid, please select a new one"),
                           QMessageBox::Ok);
    }
}

void TfrmProps::m_pDriveChange(int index)
{
    if (index < 0)
        return;
    const std::string drive = m_ui->m_pDrive->itemData(index).toByteArray().toStdString();
    m_ui->lblPath->setText(platform::DecodeText(RerootPath(m_fullPath, m_prefix, drive)));
}

bool TfrmProps::OKBtnClick()
{
    if (!m_node || !m_disk)
        return false;
    const bool commentChanged = commentText() != m_disk->Comment;
    TDisk *root = m_disk->GetRootDisk();
    std::string rootPath = root->RootPath;
    if (const int index = m_ui->m_pDrive->currentIndex(); index >= 0)
        rootPath = RerootPath(root->RootPath, m_prefix, m_ui->m_pDrive->itemData(index).toByteArray().toStdString());
    const bool driveChanged = rootPath != root->RootPath;
    if (!commentChanged && !driveChanged)
        return false;
    if (commentChanged)
        m_disk->Comment = commentText();
    root->RootPath = rootPath;
    m_disk->SetModified(true);
    return true;
}

Shelf TfrmProps::shelf() const
{
    Shelf typed;
    typed.location = ShelfTextOf(m_ui->txtLocation->text().toStdString());
    typed.lentTo = ShelfTextOf(m_ui->txtLentTo->text().toStdString());
    // The combo's items are in the order of OnMount.
    switch (m_ui->cboOnMount->currentIndex()) {
    case 1:
        typed.onMount = OnMount::Update;
        break;
    case 2:
        typed.onMount = OnMount::Ignore;
        break;
    default:
        typed.onMount = OnMount::Ask;
    }
    return typed;
}

ScanOptions TfrmProps::reading() const
{
    return ReadingOfBoxes(*m_ui);
}

std::string TfrmProps::commentText() const
{
    // Compared as shown, so that a comment in another encoding that was not
    // touched is not written back differently.
    const QString shown = m_ui->txtComment->text();
    if (m_disk && shown == platform::DecodeText(m_disk->Comment))
        return m_disk->Comment;
    return platform::OneLineText(shown.toStdString());
}

QString TfrmProps::message() const
{
    return m_message->text();
}

} // namespace rkm
