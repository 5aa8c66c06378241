#include "scan/ui/Formrename.h"

#include "ui_Formrename.h"

#include "gui/LineEdits.h"
#include "gui/MessageLine.h"
#include "gui/Prompter.h"
#include "gui/PlainText.h"
#include "platform/Text.h"

#include <limits>

namespace rkm {

TFormRename::TFormRename(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TFormRename>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &TFormRename::cmdOKClick);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    KeepOnOneLine(m_ui->txtName);
    m_ui->txtName->setMaxLength(std::numeric_limits<int>::max());
    m_message = new MessageLine(m_ui->lblMessage);
    m_message->watchRoom(
        m_ui->txtName, tr("Name"), [this] { return storedName().size(); },
        [this] { return m_nameTaken && m_nameTaken(storedName()) ? MessageLine::nameTaken(name()) : QString(); });
    m_ui->txtName->setFocus();
}

TFormRename::~TFormRename() = default;

void TFormRename::setName(const QString &name)
{
    setStoredName(name.toStdString());
}

QString TFormRename::name() const
{
    return m_ui->txtName->text();
}

void TFormRename::setStoredName(std::string bytes)
{
    m_stored = std::move(bytes);
    m_ui->txtName->setText(platform::DecodeText(m_stored));
}

bool TFormRename::changed() const
{
    return m_ui->txtName->text() != platform::DecodeText(m_stored);
}

std::string TFormRename::storedName() const
{
    if (!changed())
        return m_stored;
    return platform::OneLineText(m_ui->txtName->text().toStdString());
}

QString TFormRename::message() const
{
    return m_message->text();
}

void TFormRename::cmdOKClick()
{
    const QString typed = m_ui->txtName->text();
    if (typed.isEmpty()) {
        m_message->refuse(tr("Please type a name for the disk."));
        return;
    }
    if (typed.trimmed().isEmpty()) {
        m_message->refuse(tr("The name is made only of spaces; please type a name for the disk."));
        return;
    }
    if (!m_message->checkRoom())
        return;
    accept();
}

} // namespace rkm
