#include "print/ui/Frmprint.h"

#include "ui_Frmprint.h"

#include "gui/Focus.h"
#include "gui/Help.h"
#include "gui/Prompter.h"
#include "catalog/Errors.h"
#include "platform/Text.h"
#include "print/ui/Frmaddfilter.h"
#include "gui/PlainText.h"

#include <QRegularExpressionValidator>
#include <QScrollBar>

#include <algorithm>

namespace rkm {

namespace {

constexpr int LEVEL_MIN = 0;
constexpr int LEVEL_MAX = 100;

void FillList(QListWidget *list, const std::vector<FilterEntry> &entries)
{
    list->clear();
    for (const FilterEntry &e : entries) {
        auto *item = new QListWidgetItem(platform::DecodeText(e.text), list);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(e.checked ? Qt::Checked : Qt::Unchecked);
        // The stored bytes, kept exactly as read.
        item->setData(Qt::UserRole, QByteArray(e.text.data(), static_cast<qsizetype>(e.text.size())));
    }
}

std::vector<FilterEntry> ListEntries(const QListWidget *list)
{
    std::vector<FilterEntry> out;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *item = list->item(i);
        const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
        out.push_back({bytes.toStdString(), item->checkState() == Qt::Checked});
    }
    return out;
}

bool HasSelection(const QListWidget *list)
{
    return !list->selectedItems().isEmpty();
}

// Sets the three radio buttons of a group; none chosen is allowed here
// although the user cannot clear a group.
void SetGroup(std::initializer_list<std::pair<QRadioButton *, bool>> group)
{
    for (auto [button, chosen] : group) {
        button->setAutoExclusive(false);
        button->setChecked(chosen);
    }
    for (auto [button, chosen] : group)
        button->setAutoExclusive(true);
}

// A level as read from its box: an empty box is level 0.
std::string LevelText(const QLineEdit *edit)
{
    const QString text = edit->text();
    return text.isEmpty() ? std::string("0") : text.toStdString();
}

// A disabled list shows the button face behind its entries.
void GreyWhenDisabled(QListWidget *list)
{
    QPalette p = list->palette();
    p.setColor(QPalette::Disabled, QPalette::Base, p.color(QPalette::Active, QPalette::Button));
    list->setPalette(p);
}

} // namespace

TfrmPrint::TfrmPrint(std::string programDir, PrintSettingsStore &settings, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TfrmPrint>()), m_programDir(std::move(programDir)),
      m_settings(settings)
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    SetHelpContext(this, HELP_PRINT_OPTIONS);
    GreyWhenDisabled(m_ui->m_pLstFilter);
    GreyWhenDisabled(m_ui->m_pLstFilterFolders);

    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             m_ui->m_pOptAllFiles, m_ui->m_pNoFiles, m_ui->m_pOptSpecify, m_ui->m_pChkFilterFiles, m_ui->m_pChkFilesLevel,
             m_ui->m_pChkFileDescription, m_ui->m_pOptAllFolders, m_ui->m_pNoFolders, m_ui->m_pOptSpecifyFolders,
             m_ui->m_pChkFilterFolders, m_ui->m_pChkFolderLevel, m_ui->m_pChkFolderComment})
        connect(b, &QAbstractButton::clicked, this, &TfrmPrint::DoGrayItems);
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{m_ui->m_pOptList, m_ui->m_pOptCover, m_ui->m_pOptBackCover})
        connect(b, &QAbstractButton::clicked, this, &TfrmPrint::m_pOptBackCoverClick);
    connect(m_ui->PageControl1, &QTabWidget::currentChanged, this, &TfrmPrint::PageControl1Change);
    connect(m_ui->m_pCmdAdd, &QPushButton::clicked, this, &TfrmPrint::m_pCmdAddClick);
    connect(m_ui->m_pCmdAddFN, &QPushButton::clicked, this, &TfrmPrint::m_pCmdAddClick);
    connect(m_ui->m_pCmdDelete, &QPushButton::clicked, this, &TfrmPrint::m_pCmdDeleteClick);
    connect(m_ui->m_pCmdDeleteFN, &QPushButton::clicked, this, &TfrmPrint::m_pCmdDeleteClick);
    connect(m_ui->m_pLstFilter, &QListWidget::itemSelectionChanged, this, &TfrmPrint::m_pLstFilterxClick);
    connect(m_ui->m_pLstFilterFolders, &QListWidget::itemSelectionChanged, this, &TfrmPrint::m_pLstFilterFoldersxClick);
    connect(m_ui->m_pCmdOK, &QPushButton::clicked, this, &TfrmPrint::m_pCmdOKClick);
    connect(m_ui->m_pCmdPreview, &QPushButton::clicked, this, &TfrmPrint::m_pCmdOKClick);
    connect(m_ui->m_pCmdCancel, &QPushButton::clicked, this, &TfrmPrint::reject);

    // The up/down arrows beside each level box step its number from 0 to 100.
    for (QScrollBar *arrows : {m_ui->UpDown1, m_ui->UpDown2}) {
        arrows->setRange(0, 2);
        arrows->setValue(1);
        arrows->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_ui->UpDown1, &QScrollBar::actionTriggered, this,
            [this](int action) { stepLevel(m_ui->m_pTxtFileLevel, m_ui->UpDown1, m_filePosition, action); });
    connect(m_ui->UpDown2, &QScrollBar::actionTriggered, this,
            [this](int action) { stepLevel(m_ui->m_pTxtFolderLevel, m_ui->UpDown2, m_folderPosition, action); });
    // The level boxes take digits only, so that no typo can end the command
    // when the level is read.
    for (QLineEdit *level : {m_ui->m_pTxtFileLevel, m_ui->m_pTxtFolderLevel})
        level->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), level));

    FormCreate();
    FocusFirstField(this);
}

TfrmPrint::~TfrmPrint() = default;

void TfrmPrint::FormCreate()
{
    // The dialog as designed; the stored defaults are applied over it.
    PrintOptions o;
    QWidget *page = m_ui->tsFiles;
    try {
        LoadPrintDefaults(o, m_programDir, m_settings);
    } catch (const RackmereError &e) {
        // Loading stops here; what was not applied stays as designed.
        m_loadError = QString::fromUtf8(e.what());
        page = m_ui->tsLayout;
    }
    setOptions(o);
    m_ui->PageControl1->setCurrentWidget(page);
    DoGrayItems();
}

PrintOptions TfrmPrint::options() const
{
    PrintOptions o;
    o.AllFiles = m_ui->m_pOptAllFiles->isChecked();
    o.NoFiles = m_ui->m_pNoFiles->isChecked();
    o.SpecifyFiles = m_ui->m_pOptSpecify->isChecked();
    o.FilterFiles = m_ui->m_pChkFilterFiles->isChecked();
    o.FileFilter = ListEntries(m_ui->m_pLstFilter);
    o.FilesLevel = m_ui->m_pChkFilesLevel->isChecked();
    o.FileLevelText = LevelText(m_ui->m_pTxtFileLevel);
    o.FileDescription = m_ui->m_pChkFileDescription->isChecked();
    o.AllFolders = m_ui->m_pOptAllFolders->isChecked();
    o.NoFolders = m_ui->m_pNoFolders->isChecked();
    o.SpecifyFolders = m_ui->m_pOptSpecifyFolders->isChecked();
    o.FilterFolders = m_ui->m_pChkFilterFolders->isChecked();
    o.FolderFilter = ListEntries(m_ui->m_pLstFilterFolders);
    o.FolderLevel = m_ui->m_pChkFolderLevel->isChecked();
    o.FolderLevelText = LevelText(m_ui->m_pTxtFolderLevel);
    o.FolderComment = m_ui->m_pChkFolderComment->isChecked();
    o.LayoutList = m_ui->m_pOptList->isChecked();
    o.LayoutCover = m_ui->m_pOptCover->isChecked();
    o.CoverFrame = m_ui->m_pChkFrame->isChecked();
    o.LayoutBack = m_ui->m_pOptBackCover->isChecked();
    o.BackFrame = m_ui->m_pChkBackFrame->isChecked();
    return o;
}

void TfrmPrint::setOptions(const PrintOptions &o)
{
    SetGroup({{m_ui->m_pOptAllFiles, o.AllFiles}, {m_ui->m_pNoFiles, o.NoFiles}, {m_ui->m_pOptSpecify, o.SpecifyFiles}});
    m_ui->m_pChkFilterFiles->setChecked(o.FilterFiles);
    FillList(m_ui->m_pLstFilter, o.FileFilter);
    m_ui->m_pChkFilesLevel->setChecked(o.FilesLevel);
    m_ui->m_pTxtFileLevel->setText(QString::fromStdString(o.FileLevelText));
    m_ui->m_pChkFileDescription->setChecked(o.FileDescription);
    SetGroup({{m_ui->m_pOptAllFolders, o.AllFolders},
              {m_ui->m_pNoFolders, o.NoFolders},
              {m_ui->m_pOptSpecifyFolders, o.SpecifyFolders}});
    m_ui->m_pChkFilterFolders->setChecked(o.FilterFolders);
    FillList(m_ui->m_pLstFilterFolders, o.FolderFilter);
    m_ui->m_pChkFolderLevel->setChecked(o.FolderLevel);
    m_ui->m_pTxtFolderLevel->setText(QString::fromStdString(o.FolderLevelText));
    m_ui->m_pChkFolderComment->setChecked(o.FolderComment);
    SetGroup({{m_ui->m_pOptList, o.LayoutList}, {m_ui->m_pOptCover, o.LayoutCover}, {m_ui->m_pOptBackCover, o.LayoutBack}});
    m_ui->m_pChkFrame->setChecked(o.CoverFrame);
    m_ui->m_pChkBackFrame->setChecked(o.BackFrame);
    DoGrayItems();
}

bool TfrmPrint::saveAsDefault() const
{
    return m_ui->m_pChkSaveDefault->isChecked();
}

void TfrmPrint::SaveDefaults()
{
    SavePrintDefaults(options(), m_programDir, m_settings);
}

void TfrmPrint::DoGrayItems()
{
    // File names page.
    const bool files = m_ui->m_pOptSpecify->isChecked();
    m_ui->m_pChkFilterFiles->setEnabled(files);
    m_ui->m_pChkFilesLevel->setEnabled(files);
    m_ui->m_pChkFileDescription->setEnabled(files);
    const bool fileList = files && m_ui->m_pChkFilterFiles->isChecked();
    m_ui->m_pLstFilter->setEnabled(fileList);
    m_ui->m_pCmdAdd->setEnabled(fileList);
    m_ui->m_pCmdDelete->setEnabled(fileList && HasSelection(m_ui->m_pLstFilter));
    const bool fileLevel = files && m_ui->m_pChkFilesLevel->isChecked();
    m_ui->m_pTxtFileLevel->setEnabled(fileLevel);
    m_ui->UpDown1->setEnabled(fileLevel);

    // Folder names page: the level box follows its check box alone.
    const bool folders = m_ui->m_pOptSpecifyFolders->isChecked();
    m_ui->m_pChkFilterFolders->setEnabled(folders);
    m_ui->m_pChkFolderLevel->setEnabled(folders);
    m_ui->m_pChkFolderComment->setEnabled(folders);
    const bool folderList = folders && m_ui->m_pChkFilterFolders->isChecked();
    m_ui->m_pLstFilterFolders->setEnabled(folderList);
    m_ui->m_pCmdAddFN->setEnabled(folderList);
    m_ui->m_pCmdDeleteFN->setEnabled(folderList && HasSelection(m_ui->m_pLstFilterFolders));
    const bool folderLevel = m_ui->m_pChkFolderLevel->isChecked();
    m_ui->m_pTxtFolderLevel->setEnabled(folderLevel);
    m_ui->UpDown2->setEnabled(folderLevel);

    // Layout page.
    m_ui->m_pChkFrame->setEnabled(m_ui->m_pOptCover->isChecked());
    m_ui->m_pChkBackFrame->setEnabled(m_ui->m_pOptBackCover->isChecked());
}

void TfrmPrint::PageControl1Change()
{
    DoGrayItems();
}

void TfrmPrint::m_pOptBackCoverClick()
{
    DoGrayItems();
}

void TfrmPrint::m_pCmdAddClick()
{
    addTo(sender() == m_ui->m_pCmdAddFN ? m_ui->m_pLstFilterFolders : m_ui->m_pLstFilter);
}

void TfrmPrint::addTo(QListWidget *list)
{
    TfrmAddFilter dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Appended as typed (no trimming, no test for empty or double texts),
    // checked; the selection and the "Delete" button stay as they were. A
    // pasted line break becomes a space: the filter file holds one entry a line.
    const std::string text = platform::OneLineText(dialog.text().toUtf8().toStdString());
    auto *item = new QListWidgetItem(QString::fromStdString(text), list);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Checked);
    item->setData(Qt::UserRole, QByteArray::fromStdString(text));
}

void TfrmPrint::m_pCmdDeleteClick()
{
    QListWidget *list = sender() == m_ui->m_pCmdDeleteFN ? m_ui->m_pLstFilterFolders : m_ui->m_pLstFilter;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    delete list->takeItem(list->row(selected.first()));
    // The button stays enabled until the enabling rules run again.
    (list == m_ui->m_pLstFilter ? m_ui->m_pCmdDelete : m_ui->m_pCmdDeleteFN)->setEnabled(true);
}

void TfrmPrint::m_pLstFilterxClick()
{
    if (HasSelection(m_ui->m_pLstFilter) && m_ui->m_pLstFilter->isEnabled())
        m_ui->m_pCmdDelete->setEnabled(true);
}

void TfrmPrint::m_pLstFilterFoldersxClick()
{
    if (HasSelection(m_ui->m_pLstFilterFolders) && m_ui->m_pLstFilterFolders->isEnabled())
        m_ui->m_pCmdDeleteFN->setEnabled(true);
}

void TfrmPrint::m_pCmdOKClick()
{
    if (!SelectionIsComplete(options())) {
        prompter().message(this, QMessageBox::Warning, QStringLiteral("Rackmere"),
                           tr("Nothing to print - please make your selections."), QMessageBox::Ok);
        return;
    }
    done(sender() == m_ui->m_pCmdPreview ? RESULT_PREVIEW : RESULT_PRINT);
}

void TfrmPrint::reject()
{
    // "Cancel", Esc and the close box.
    done(RESULT_CANCEL);
}

void TfrmPrint::stepLevel(QLineEdit *edit, QScrollBar *arrows, int &position, int action)
{
    int step = 0;
    if (action == QAbstractSlider::SliderSingleStepSub || action == QAbstractSlider::SliderPageStepSub)
        step = 1; // the upper arrow counts up
    else if (action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderPageStepAdd)
        step = -1;
    bool ok = false;
    const int typed = edit->text().trimmed().toInt(&ok);
    if (ok)
        position = typed;
    position = std::clamp(position + step, LEVEL_MIN, LEVEL_MAX);
    edit->setText(QString::number(position));
    // Keep both arrows usable.
    arrows->setSliderPosition(1);
}

} // namespace rkm
