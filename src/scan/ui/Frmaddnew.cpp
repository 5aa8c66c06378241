#include "scan/ui/Frmaddnew.h"

#include "ui_Frmaddnew.h"

#include "catalog/ListingFile.h"
#include "gui/Focus.h"
#include "gui/Help.h"
#include "gui/LineEdits.h"
#include "gui/MessageLine.h"
#include "gui/Prompter.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "scan/Props.h"
#include "scan/Scanner.h"
#include "gui/PlainText.h"
#include "scan/ui/ReadingBoxes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QIcon>
#include <QMenu>
#include <QStyle>

#include <cstring>
#include <limits>

namespace rkm {

namespace {

std::string Bytes(const QString &text)
{
    return platform::OneLineText(text.toStdString());
}

// The folder box as a path: "~" and "~/..." are the home folder.
QString ExpandedFolder(const QString &text)
{
    if (text == QLatin1String("~"))
        return QDir::homePath();
    if (text.startsWith(QLatin1String("~/")))
        return QDir::homePath() + text.mid(1);
    return text;
}

std::string PathBytes(const QString &text)
{
    return QFile::encodeName(ExpandedFolder(text)).toStdString();
}

bool OnlySpaces(const QString &text)
{
    return !text.isEmpty() && text.trimmed().isEmpty();
}

} // namespace

TfrmAddNew::TfrmAddNew(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmAddNew>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    m_system = &platform::System();
    // Only a volume's own root takes its label: a folder on it is named for itself.
    labelSource = [this](const std::string &folder) {
        const std::optional<platform::Volume> volume = m_system->volumeOf(folder);
        return volume && volume->mountPoint == folder ? volume->label : std::string();
    };
    // The mounted volumes, offered at the end of the folder box.
    m_volumes = new QMenu(this);
    m_volumes->setObjectName(QStringLiteral("mnuVolumes"));
    QAction *volumes = m_ui->txtFolder->addAction(QIcon::fromTheme(QStringLiteral("drive-harddisk"),
                                                                   style()->standardIcon(QStyle::SP_DriveHDIcon)),
                                                  QLineEdit::TrailingPosition);
    volumes->setObjectName(QStringLiteral("actVolumes"));
    volumes->setToolTip(tr("Choose a mounted disk"));
    connect(volumes, &QAction::triggered, this, &TfrmAddNew::offerVolumes);
    SetHelpContext(this, HELP_ADD_NEW);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &TfrmAddNew::cmdBrowseClick);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &TfrmAddNew::cmdOKClick);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_ui->txtFolder->installEventFilter(this);
    for (QLineEdit *edit : {m_ui->txtFolder, m_ui->txtDescription, m_ui->txtComment}) {
        KeepOnOneLine(edit);
        // No cut: a longer text is refused with its reason, not shortened unseen.
        edit->setMaxLength(std::numeric_limits<int>::max());
    }
    m_message = new MessageLine(m_ui->lblMessage);
    m_message->watch(m_ui->txtFolder);
    m_message->watchRoom(
        m_ui->txtDescription, tr("Description"), [this] { return description().size(); },
        [this] {
            return nameTaken && nameTaken(description()) ? MessageLine::nameTaken(m_ui->txtDescription->text())
                                                         : QString();
        });
    m_message->watchRoom(m_ui->txtComment, tr("Comment"), [this] { return comment().size(); });
}

TfrmAddNew::~TfrmAddNew() = default;

void TfrmAddNew::setSystem(const platform::SystemView *system)
{
    m_system = system;
}

void TfrmAddNew::offerVolumes()
{
    // Read afresh: a stick plugged in while the dialog is up is there too.
    m_volumes->clear();
    for (const platform::Volume &v : m_system->volumes()) {
        const QString folder = platform::DecodeText(v.mountPoint);
        QAction *item = m_volumes->addAction(platform::DecodeText(DriveText(v)));
        connect(item, &QAction::triggered, this, [this, folder] {
            m_ui->txtFolder->setText(folder);
            FillDescription(folder);
        });
    }
    if (m_volumes->isEmpty())
        m_volumes->addAction(tr("No disks are mounted"))->setEnabled(false);
    m_volumes->popup(m_ui->txtFolder->mapToGlobal(QPoint(0, m_ui->txtFolder->height())));
}

QString TfrmAddNew::MediaFolder(const QString &root)
{
    const QString user = QString::fromLocal8Bit(qgetenv("USER"));
    if (user.isEmpty())
        return {};
    for (const QString &base : {QStringLiteral("/media/"), QStringLiteral("/run/media/")})
        if (QFileInfo(root + base + user).isDir())
            return root + base + user;
    return {};
}

std::string TfrmAddNew::description() const
{
    return Bytes(m_ui->txtDescription->text());
}

std::string TfrmAddNew::comment() const
{
    return Bytes(m_ui->txtComment->text());
}

ScanOptions TfrmAddNew::scanOptions() const
{
    return ReadingOfBoxes(*m_ui);
}

QString TfrmAddNew::message() const
{
    return m_message->text();
}

void TfrmAddNew::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

bool TfrmAddNew::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving the box for another control of the dialog offers the label. The
    // focus it loses for a while to its own context menu (to paste a path) or
    // to another window does not: the text may be half typed, and a label
    // offered for it would stay, since the label is offered only once.
    if (watched == m_ui->txtFolder && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            txtFolderExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAddNew::FormShow()
{
    m_ui->txtDescription->clear();
    m_ui->txtFolder->clear();
    m_ui->txtComment->clear();
    const ScanOptions defaults;
    ShowReadingInBoxes(*m_ui, defaults);
    m_message->clear();
    m_root.clear();
    if (!m_presetFolder.isEmpty()) {
        m_ui->txtFolder->setText(m_presetFolder);
        m_ui->txtDescription->setText(m_presetDescription);
        FillDescription(m_presetFolder); // the label, when none was given
        m_presetFolder.clear();
        m_presetDescription.clear();
    }
    FocusFirstField(this);
}

void TfrmAddNew::txtFolderExit()
{
    FillDescription(m_ui->txtFolder->text());
}

void TfrmAddNew::FillDescription(const QString &folder)
{
    // The label is offered only while no description is there: one the user
    // typed is never overwritten.
    if (!m_ui->txtDescription->text().isEmpty())
        return;
    const std::string root = ResolveScanRoot(PathBytes(folder));
    if (root.empty() || !labelSource)
        return;
    std::string name = labelSource(root);
    // Not a labelled volume: the folder's own name ("/" has none).
    if (name.empty())
        name = root.substr(root.find_last_of('/') + 1);
    if (!name.empty())
        m_ui->txtDescription->setText(platform::DecodeText(name));
}

void TfrmAddNew::cmdBrowseClick()
{
    const QString typed = m_ui->txtFolder->text();
    const QString start = typed.isEmpty() ? MediaFolder(QFile::decodeName(m_system->root().c_str()))
                                          : ExpandedFolder(typed);
    const QString folder = prompter().existingDirectory(this, QString(), start);
    if (folder.isEmpty())
        return;
    m_ui->txtFolder->setText(folder);
    FillDescription(folder);
}

void TfrmAddNew::cmdOKClick()
{
    // Refused: the dialog stays open, the focus stays where it was, and the
    // message line says why.
    const QString name = m_ui->txtDescription->text();
    if (name.isEmpty()) {
        m_message->refuse(tr("Please type a description: it is the listing's name."));
        return;
    }
    if (OnlySpaces(name)) {
        m_message->refuse(tr("The description is made only of spaces; please type a name for the listing."));
        return;
    }
    const QString typed = m_ui->txtFolder->text();
    if (typed.isEmpty()) {
        m_message->refuse(tr("Please name the drive or folder to catalogue."));
        return;
    }
    int error = 0;
    const std::string root = ResolveScanRoot(PathBytes(typed), &error);
    if (root.empty()) {
        m_message->refuse(tr("The folder %1 cannot be opened: %2.")
                              .arg(ExpandedFolder(typed), QString::fromLocal8Bit(std::strerror(error))));
        return;
    }
    if (root.size() > MAX_TEXT_BYTES) {
        m_message->refuse(tr("The folder's path is %L1 bytes long; a listing holds at most %L2 bytes.")
                              .arg(root.size())
                              .arg(MAX_TEXT_BYTES));
        return;
    }
    if (!m_message->checkRoom())
        return;
    m_root = root;
    accept();
}

} // namespace rkm
