#include "print/ui/Dlgprint.h"

#include "ui_Dlgprint.h"

#include "app/Help.h"
#include "app/Prompter.h"
#include "catalog/Errors.h"
#include "platform/Platform.h"
#include "print/ui/Dlgaddfilter.h"
#include "search/Annotations.h"

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

// A disabled list shows the button face behind its entries.
void GreyWhenDisabled(QListWidget *list)
{
    QPalette p = list->palette();
    p.setColor(QPalette::Disabled, QPalette::Base, p.color(QPalette::Active, QPalette::Button));
    list->setPalette(p);
}

} // namespace

TfrmPrint::TfrmPrint(std::string programDir, PrintSettingsStore &settings, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmPrint>()), m_programDir(std::move(programDir)),
      m_settings(settings)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    SetHelpContext(this, HELP_PRINT_OPTIONS);
    GreyWhenDisabled(ui->m_pLstFilter);
    GreyWhenDisabled(ui->m_pLstFilterFolders);

    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             ui->m_pOptAllFiles, ui->m_pNoFiles, ui->m_pOptSpecify, ui->m_pChkFilterFiles, ui->m_pChkFilesLevel,
             ui->m_pChkFileDescription, ui->m_pOptAllFolders, ui->m_pNoFolders, ui->m_pOptSpecifyFolders,
             ui->m_pChkFilterFolders, ui->m_pChkFolderLevel, ui->m_pChkFolderComment})
        connect(b, &QAbstractButton::clicked, this, &TfrmPrint::DoGrayItems);
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{ui->m_pOptList, ui->m_pOptCover, ui->m_pOptBackCover})
        connect(b, &QAbstractButton::clicked, this, &TfrmPrint::m_pOptBackCoverClick);
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &TfrmPrint::PageControl1Change);
    connect(ui->m_pCmdAdd, &QPushButton::clicked, this, &TfrmPrint::m_pCmdAddClick);
    connect(ui->m_pCmdAddFN, &QPushButton::clicked, this, &TfrmPrint::m_pCmdAddClick);
    connect(ui->m_pCmdDelete, &QPushButton::clicked, this, &TfrmPrint::m_pCmdDeleteClick);
    connect(ui->m_pCmdDeleteFN, &QPushButton::clicked, this, &TfrmPrint::m_pCmdDeleteClick);
    connect(ui->m_pLstFilter, &QListWidget::itemSelectionChanged, this, &TfrmPrint::m_pLstFilterxClick);
    connect(ui->m_pLstFilterFolders, &QListWidget::itemSelectionChanged, this, &TfrmPrint::m_pLstFilterFoldersxClick);
    connect(ui->m_pCmdOK, &QPushButton::clicked, this, &TfrmPrint::m_pCmdOKClick);
    connect(ui->m_pCmdPreview, &QPushButton::clicked, this, &TfrmPrint::m_pCmdOKClick);
    connect(ui->m_pCmdCancel, &QPushButton::clicked, this, &TfrmPrint::reject);

    // The up/down arrows beside each level box step its number from 0 to 100.
    for (QScrollBar *arrows : {ui->UpDown1, ui->UpDown2}) {
        arrows->setRange(0, 2);
        arrows->setValue(1);
        arrows->setFocusPolicy(Qt::NoFocus);
    }
    connect(ui->UpDown1, &QScrollBar::actionTriggered, this,
            [this](int action) { stepLevel(ui->m_pTxtFileLevel, ui->UpDown1, m_filePosition, action); });
    connect(ui->UpDown2, &QScrollBar::actionTriggered, this,
            [this](int action) { stepLevel(ui->m_pTxtFolderLevel, ui->UpDown2, m_folderPosition, action); });

    FormCreate();
    ui->m_pCmdPreview->setFocus();
}

TfrmPrint::~TfrmPrint() = default;

void TfrmPrint::FormCreate()
{
    // The dialog as designed; the stored defaults are applied over it.
    PrintOptions o;
    QWidget *page = ui->tsFiles;
    try {
        LoadPrintDefaults(o, m_programDir, m_settings);
    } catch (const RackmereError &e) {
        // Loading stops here; what was not applied stays as designed.
        m_loadError = QString::fromUtf8(e.what());
        page = ui->tsLayout;
    }
    setOptions(o);
    ui->PageControl1->setCurrentWidget(page);
    DoGrayItems();
}

PrintOptions TfrmPrint::options() const
{
    PrintOptions o;
    o.AllFiles = ui->m_pOptAllFiles->isChecked();
    o.NoFiles = ui->m_pNoFiles->isChecked();
    o.SpecifyFiles = ui->m_pOptSpecify->isChecked();
    o.FilterFiles = ui->m_pChkFilterFiles->isChecked();
    o.FileFilter = ListEntries(ui->m_pLstFilter);
    o.FilesLevel = ui->m_pChkFilesLevel->isChecked();
    o.FileLevelText = ui->m_pTxtFileLevel->text().toStdString();
    o.FileDescription = ui->m_pChkFileDescription->isChecked();
    o.AllFolders = ui->m_pOptAllFolders->isChecked();
    o.NoFolders = ui->m_pNoFolders->isChecked();
    o.SpecifyFolders = ui->m_pOptSpecifyFolders->isChecked();
    o.FilterFolders = ui->m_pChkFilterFolders->isChecked();
    o.FolderFilter = ListEntries(ui->m_pLstFilterFolders);
    o.FolderLevel = ui->m_pChkFolderLevel->isChecked();
    o.FolderLevelText = ui->m_pTxtFolderLevel->text().toStdString();
    o.FolderComment = ui->m_pChkFolderComment->isChecked();
    o.LayoutList = ui->m_pOptList->isChecked();
    o.LayoutCover = ui->m_pOptCover->isChecked();
    o.CoverFrame = ui->m_pChkFrame->isChecked();
    o.LayoutBack = ui->m_pOptBackCover->isChecked();
    o.BackFrame = ui->m_pChkBackFrame->isChecked();
    return o;
}

void TfrmPrint::setOptions(const PrintOptions &o)
{
    SetGroup({{ui->m_pOptAllFiles, o.AllFiles}, {ui->m_pNoFiles, o.NoFiles}, {ui->m_pOptSpecify, o.SpecifyFiles}});
    ui->m_pChkFilterFiles->setChecked(o.FilterFiles);
    FillList(ui->m_pLstFilter, o.FileFilter);
    ui->m_pChkFilesLevel->setChecked(o.FilesLevel);
    ui->m_pTxtFileLevel->setText(QString::fromStdString(o.FileLevelText));
    ui->m_pChkFileDescription->setChecked(o.FileDescription);
    SetGroup({{ui->m_pOptAllFolders, o.AllFolders},
              {ui->m_pNoFolders, o.NoFolders},
              {ui->m_pOptSpecifyFolders, o.SpecifyFolders}});
    ui->m_pChkFilterFolders->setChecked(o.FilterFolders);
    FillList(ui->m_pLstFilterFolders, o.FolderFilter);
    ui->m_pChkFolderLevel->setChecked(o.FolderLevel);
    ui->m_pTxtFolderLevel->setText(QString::fromStdString(o.FolderLevelText));
    ui->m_pChkFolderComment->setChecked(o.FolderComment);
    SetGroup({{ui->m_pOptList, o.LayoutList}, {ui->m_pOptCover, o.LayoutCover}, {ui->m_pOptBackCover, o.LayoutBack}});
    ui->m_pChkFrame->setChecked(o.CoverFrame);
    ui->m_pChkBackFrame->setChecked(o.BackFrame);
    DoGrayItems();
}

bool TfrmPrint::saveAsDefault() const
{
    return ui->m_pChkSaveDefault->isChecked();
}

void TfrmPrint::SaveDefaults()
{
    SavePrintDefaults(options(), m_programDir, m_settings);
}

void TfrmPrint::DoGrayItems()
{
    // File names page.
    const bool files = ui->m_pOptSpecify->isChecked();
    ui->m_pChkFilterFiles->setEnabled(files);
    ui->m_pChkFilesLevel->setEnabled(files);
    ui->m_pChkFileDescription->setEnabled(files);
    const bool fileList = files && ui->m_pChkFilterFiles->isChecked();
    ui->m_pLstFilter->setEnabled(fileList);
    ui->m_pCmdAdd->setEnabled(fileList);
    ui->m_pCmdDelete->setEnabled(fileList && HasSelection(ui->m_pLstFilter));
    const bool fileLevel = files && ui->m_pChkFilesLevel->isChecked();
    ui->m_pTxtFileLevel->setEnabled(fileLevel);
    ui->UpDown1->setEnabled(fileLevel);

    // Folder names page: the level box follows its check box alone.
    const bool folders = ui->m_pOptSpecifyFolders->isChecked();
    ui->m_pChkFilterFolders->setEnabled(folders);
    ui->m_pChkFolderLevel->setEnabled(folders);
    ui->m_pChkFolderComment->setEnabled(folders);
    const bool folderList = folders && ui->m_pChkFilterFolders->isChecked();
    ui->m_pLstFilterFolders->setEnabled(folderList);
    ui->m_pCmdAddFN->setEnabled(folderList);
    ui->m_pCmdDeleteFN->setEnabled(folderList && HasSelection(ui->m_pLstFilterFolders));
    const bool folderLevel = ui->m_pChkFolderLevel->isChecked();
    ui->m_pTxtFolderLevel->setEnabled(folderLevel);
    ui->UpDown2->setEnabled(folderLevel);

    // Layout page.
    ui->m_pChkFrame->setEnabled(ui->m_pOptCover->isChecked());
    ui->m_pChkBackFrame->setEnabled(ui->m_pOptBackCover->isChecked());
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
    addTo(sender() == ui->m_pCmdAddFN ? ui->m_pLstFilterFolders : ui->m_pLstFilter);
}

void TfrmPrint::addTo(QListWidget *list)
{
    TfrmAddFilter dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Appended as typed (no trimming, no test for empty or double texts),
    // checked; the selection and the "Delete" button stay as they were. A
    // pasted line break becomes a space: the filter file holds one entry a line.
    const std::string text = OneLineText(dialog.text().toUtf8().toStdString());
    auto *item = new QListWidgetItem(QString::fromStdString(text), list);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Checked);
    item->setData(Qt::UserRole, QByteArray::fromStdString(text));
}

void TfrmPrint::m_pCmdDeleteClick()
{
    QListWidget *list = sender() == ui->m_pCmdDeleteFN ? ui->m_pLstFilterFolders : ui->m_pLstFilter;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    delete list->takeItem(list->row(selected.first()));
    // The button stays enabled until the enabling rules run again.
    (list == ui->m_pLstFilter ? ui->m_pCmdDelete : ui->m_pCmdDeleteFN)->setEnabled(true);
}

void TfrmPrint::m_pLstFilterxClick()
{
    if (HasSelection(ui->m_pLstFilter) && ui->m_pLstFilter->isEnabled())
        ui->m_pCmdDelete->setEnabled(true);
}

void TfrmPrint::m_pLstFilterFoldersxClick()
{
    if (HasSelection(ui->m_pLstFilterFolders) && ui->m_pLstFilterFolders->isEnabled())
        ui->m_pCmdDeleteFN->setEnabled(true);
}

void TfrmPrint::m_pCmdOKClick()
{
    if (!SelectionIsComplete(options())) {
        prompter().message(this, QMessageBox::Warning, QStringLiteral("Rackmere"),
                           QStringLiteral("Nothing to print - please make your selections."), QMessageBox::Ok);
        return;
    }
    done(sender() == ui->m_pCmdPreview ? RESULT_PREVIEW : RESULT_PRINT);
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
