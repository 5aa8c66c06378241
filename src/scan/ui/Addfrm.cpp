#include "scan/ui/Addfrm.h"

#include "ui_Addfrm.h"

#include "gui/Help.h"
#include "gui/Prompter.h"
#include "platform/SystemView.h"
#include "platform/Text.h"
#include "scan/Scanner.h"
#include "gui/PlainText.h"

#include <QFile>
#include <QFocusEvent>

namespace rkm {

namespace {

std::string Bytes(const QString &text)
{
    return StoredName(text.toStdString());
}

std::string PathBytes(const QString &text)
{
    return QFile::encodeName(text).toStdString();
}

} // namespace

TfrmAddNew::TfrmAddNew(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmAddNew>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    labelSource = [](const std::string &folder) { return platform::System().volumeLabel(folder); };
    SetHelpContext(this, HELP_ADD_NEW);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &TfrmAddNew::cmdBrowseClick);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &TfrmAddNew::cmdOKClick);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_ui->txtFolder->installEventFilter(this);
}

TfrmAddNew::~TfrmAddNew() = default;

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
    ScanOptions options;
    options.archives = m_ui->chkArchives->isChecked();
    options.descriptions = m_ui->chkDescriptions->isChecked();
    options.tags = m_ui->chkTags->isChecked();
    return options;
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
    m_ui->chkArchives->setChecked(defaults.archives);
    m_ui->chkDescriptions->setChecked(defaults.descriptions);
    m_ui->chkTags->setChecked(defaults.tags);
    m_root.clear();
    m_ui->txtFolder->setFocus();
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
    const std::string label = labelSource(root);
    if (!label.empty())
        m_ui->txtDescription->setText(platform::DecodeText(label));
}

void TfrmAddNew::cmdBrowseClick()
{
    const QString folder = prompter().existingDirectory(this, QString(), m_ui->txtFolder->text());
    if (folder.isEmpty())
        return;
    m_ui->txtFolder->setText(folder);
    FillDescription(folder);
}

void TfrmAddNew::cmdOKClick()
{
    // Refused: the dialog stays open, the focus stays where it was, and only
    // the beep tells why.
    if (m_ui->txtDescription->text().isEmpty()) {
        prompter().beep();
        return;
    }
    const std::string root = ResolveScanRoot(PathBytes(m_ui->txtFolder->text()));
    if (root.empty()) {
        prompter().beep();
        return;
    }
    m_root = root;
    accept();
}

} // namespace rkm
