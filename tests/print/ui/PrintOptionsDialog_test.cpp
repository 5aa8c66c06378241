// The print options dialog and the "Add filter" dialog.
#include "PrintUiSupport.h"

#include "print/PrintSelection.h"

#include "gui/Help.h"
#include "gui/QueuedPrompter.h"
#include "print/ui/Frmaddfilter.h"
#include "print/ui/Frmprint.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace rkm;
using namespace rkm::test;

namespace {

std::string ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
}

QStringList Entries(QListWidget *l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text() + (l->item(i)->checkState() == Qt::Checked ? "+" : "");
    return out;
}

} // namespace

class PrintOptionsDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    MapSettings m_settings;

    std::string dir() const { return m_dir->path().toStdString() + "/"; }
    QString file(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    template <class T> static T *c(TfrmPrint &d, const char *name) { return Find<T>(&d, name); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = {};
    }

    void defaultsWithNothingStored()
    {
        TfrmPrint d(dir(), m_settings);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.windowTitle(), QStringLiteral("Print disk"));
        QVERIFY(c<QRadioButton>(d, "m_pOptAllFiles")->isChecked());
        QVERIFY(c<QRadioButton>(d, "m_pOptAllFolders")->isChecked());
        QVERIFY(c<QRadioButton>(d, "m_pOptBackCover")->isChecked());
        QVERIFY(!c<QRadioButton>(d, "m_pOptCover")->isChecked());
        QVERIFY(!c<QRadioButton>(d, "m_pOptList")->isChecked());
        QVERIFY(c<QCheckBox>(d, "m_pChkFrame")->isChecked());
        QVERIFY(c<QCheckBox>(d, "m_pChkBackFrame")->isChecked());
        QVERIFY(!c<QCheckBox>(d, "m_pChkSaveDefault")->isChecked());
        QCOMPARE(Entries(c<QListWidget>(d, "m_pLstFilter")), QStringList({".EXE", ".ZIP", ".ARJ", ".RAR"}));
        QCOMPARE(Entries(c<QListWidget>(d, "m_pLstFilterFolders")), QStringList({"INSTALL.EXE", "SETUP.EXE"}));
        QCOMPARE(c<QLineEdit>(d, "m_pTxtFileLevel")->text(), QStringLiteral("0"));
        QCOMPARE(c<QLineEdit>(d, "m_pTxtFolderLevel")->text(), QStringLiteral("0"));
        QCOMPARE(c<QTabWidget>(d, "PageControl1")->currentWidget()->objectName(), QStringLiteral("tsFiles"));
        // The first control in reading order: the page tabs, then the page's options.
        QCOMPARE(d.focusWidget(), c<QTabWidget>(d, "PageControl1")->findChild<QTabBar *>());
        QVERIFY(c<QPushButton>(d, "m_pCmdOK")->isDefault());
        QVERIFY(d.loadError().isEmpty());
        // F1 opens topic 5.
        QTest::keyClick(&d, Qt::Key_F1);
        QVERIFY(HelpBrowser());
        QCOMPARE(HelpBrowser()->source().fileName(), QStringLiteral("topic5.html"));
        CloseHelp();
    }

    void storedRadioButtonsLastKeyWins()
    {
        m_settings.ints = {{"PrLayoutList", 1}, {"PrLayoutCover", 1}, {"PrLayoutBack", 0}, {"PrFoAll", 0}};
        TfrmPrint d(dir(), m_settings);
        QVERIFY(c<QRadioButton>(d, "m_pOptCover")->isChecked());
        QVERIFY(!c<QRadioButton>(d, "m_pOptList")->isChecked());
        QVERIFY(!c<QRadioButton>(d, "m_pOptBackCover")->isChecked());
        // No folder button chosen at all.
        QVERIFY(!c<QRadioButton>(d, "m_pOptAllFolders")->isChecked());
        QVERIFY(!c<QRadioButton>(d, "m_pNoFolders")->isChecked());
        QVERIFY(!c<QRadioButton>(d, "m_pOptSpecifyFolders")->isChecked());
    }

    void enablingRules()
    {
        struct Case {
            const char *name;
            std::vector<const char *> clicks;
            std::vector<const char *> enabled;
            std::vector<const char *> disabled;
        };
        const std::vector<Case> cases = {
            {"all files",
             {},
             {"m_pOptAllFiles", "m_pChkBackFrame"},
             {"m_pChkFilterFiles", "m_pChkFilesLevel", "m_pChkFileDescription", "m_pLstFilter", "m_pCmdAdd",
              "m_pCmdDelete", "m_pTxtFileLevel", "UpDown1", "m_pChkFrame"}},
            {"specify files",
             {"m_pOptSpecify"},
             {"m_pChkFilterFiles", "m_pChkFilesLevel", "m_pChkFileDescription"},
             {"m_pLstFilter", "m_pCmdAdd", "m_pCmdDelete", "m_pTxtFileLevel", "UpDown1"}},
            {"specify files with filter and level",
             {"m_pOptSpecify", "m_pChkFilterFiles", "m_pChkFilesLevel"},
             {"m_pLstFilter", "m_pCmdAdd", "m_pTxtFileLevel", "UpDown1"},
             {"m_pCmdDelete"}},
            {"checked boxes stay checked but disabled after all files",
             {"m_pOptSpecify", "m_pChkFilterFiles", "m_pOptAllFiles"},
             {},
             {"m_pChkFilterFiles", "m_pLstFilter", "m_pCmdAdd"}},
            {"folder level box follows its check box alone",
             {"m_pOptSpecifyFolders", "m_pChkFolderLevel", "m_pOptAllFolders"},
             {"m_pTxtFolderLevel", "UpDown2"},
             {"m_pChkFolderLevel", "m_pChkFilterFolders", "m_pLstFilterFolders", "m_pCmdAddFN"}},
            {"folder filter list",
             {"m_pOptSpecifyFolders", "m_pChkFilterFolders"},
             {"m_pLstFilterFolders", "m_pCmdAddFN"},
             {"m_pCmdDeleteFN", "m_pTxtFolderLevel"}},
            {"cover frame", {"m_pOptCover"}, {"m_pChkFrame"}, {"m_pChkBackFrame"}},
            {"list", {"m_pOptList"}, {}, {"m_pChkFrame", "m_pChkBackFrame"}},
        };
        for (const Case &k : cases) {
            TfrmPrint d(dir(), m_settings);
            d.show();
            for (const char *name : k.clicks)
                c<QAbstractButton>(d, name)->click();
            for (const char *name : k.enabled)
                QVERIFY2(c<QWidget>(d, name)->isEnabled(), (std::string(k.name) + ": " + name).c_str());
            for (const char *name : k.disabled)
                QVERIFY2(!c<QWidget>(d, name)->isEnabled(), (std::string(k.name) + ": " + name).c_str());
        }
        // A click that selects an entry enables "Delete" at once.
        TfrmPrint d(dir(), m_settings);
        d.show();
        c<QAbstractButton>(d, "m_pOptSpecify")->click();
        c<QAbstractButton>(d, "m_pChkFilterFiles")->click();
        auto *list = c<QListWidget>(d, "m_pLstFilter");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QVERIFY(c<QPushButton>(d, "m_pCmdDelete")->isEnabled());
    }

    void addFilterAndSaveDefaults()
    {
        QueuedPrompter prompter;
        TfrmPrint d(dir(), m_settings);
        d.show();
        c<QAbstractButton>(d, "m_pOptSpecify")->click();
        c<QAbstractButton>(d, "m_pChkFilterFiles")->click();
        ModalScript script;
        script.then("rkm::TfrmAddFilter", [](QDialog *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Add filter"));
            Find<QLineEdit>(w, "m_pTxtFilter")->setText("README");
            Find<QPushButton>(w, "Button1")->click();
        });
        c<QPushButton>(d, "m_pCmdAdd")->click();
        QVERIFY(script.done());
        QCOMPARE(Entries(c<QListWidget>(d, "m_pLstFilter")), QStringList({".EXE", ".ZIP", ".ARJ", ".RAR", "README+"}));
        d.SaveDefaults();
        QCOMPARE(ReadAll(file("FILES.FLT")), std::string(".EXE\r\n.ZIP\r\n.ARJ\r\n.RAR\r\nREADME\r\n"));
        QCOMPARE(m_settings.strings["PrFCheckList"], std::string("00001"));
        QCOMPARE(ReadAll(file("FOLDERS.FLT")), std::string("INSTALL.EXE\r\nSETUP.EXE\r\n"));
        QCOMPARE(m_settings.ints["PrFSpec"], 1);
        QCOMPARE(m_settings.ints["PrFAll"], 0);

        // A new dialog shows the stored entries and marks; the level starts at 0 again.
        c<QLineEdit>(d, "m_pTxtFileLevel")->setText("7");
        d.SaveDefaults();
        TfrmPrint again(dir(), m_settings);
        QCOMPARE(Entries(c<QListWidget>(again, "m_pLstFilter")), QStringList({".EXE", ".ZIP", ".ARJ", ".RAR", "README+"}));
        QCOMPARE(c<QLineEdit>(again, "m_pTxtFileLevel")->text(), QStringLiteral("0"));
        QVERIFY(c<QRadioButton>(again, "m_pOptSpecify")->isChecked());
    }

    void addFilterCases()
    {
        TfrmPrint d(dir(), m_settings);
        d.show();
        c<QAbstractButton>(d, "m_pOptSpecifyFolders")->click();
        c<QAbstractButton>(d, "m_pChkFilterFolders")->click();
        ModalScript script;
        // An empty text is added, checked; Cancel adds nothing; a folder
        // entry goes to the folder list.
        script.then("rkm::TfrmAddFilter", [](QDialog *w) { Find<QPushButton>(w, "Button1")->click(); });
        script.then("rkm::TfrmAddFilter", [](QDialog *w) {
            Find<QLineEdit>(w, "m_pTxtFilter")->setText("IGNORED");
            Find<QPushButton>(w, "cmdCancel")->click();
        });
        script.then("rkm::TfrmAddFilter", [](QDialog *w) {
            Find<QLineEdit>(w, "m_pTxtFilter")->setText(" autorun.inf ");
            Find<QPushButton>(w, "Button1")->click();
        });
        // A pasted line break becomes a space: the filter file holds one
        // entry a line.
        script.then("rkm::TfrmAddFilter", [](QDialog *w) {
            Find<QLineEdit>(w, "m_pTxtFilter")->setText("a\r\nb\nc");
            Find<QPushButton>(w, "Button1")->click();
        });
        for (int i = 0; i < 4; ++i)
            c<QPushButton>(d, "m_pCmdAddFN")->click();
        QVERIFY(script.done());
        QVERIFY(script.unexpected.isEmpty());
        QCOMPARE(Entries(c<QListWidget>(d, "m_pLstFilterFolders")),
                 QStringList({"INSTALL.EXE", "SETUP.EXE", "+", " autorun.inf +", "a b c+"}));
        QCOMPARE(d.options().FolderFilter.back().text, std::string("a b c"));
        QCOMPARE(Entries(c<QListWidget>(d, "m_pLstFilter")), QStringList({".EXE", ".ZIP", ".ARJ", ".RAR"}));
        QVERIFY(!c<QPushButton>(d, "m_pCmdDeleteFN")->isEnabled());
    }

    void deleteEntry()
    {
        TfrmPrint d(dir(), m_settings);
        d.show();
        c<QAbstractButton>(d, "m_pOptSpecify")->click();
        c<QAbstractButton>(d, "m_pChkFilterFiles")->click();
        auto *list = c<QListWidget>(d, "m_pLstFilter");
        auto *del = c<QPushButton>(d, "m_pCmdDelete");
        // Nothing selected: nothing happens.
        d.m_pCmdDeleteClick();
        QCOMPARE(list->count(), 4);
        list->item(1)->setSelected(true);
        QVERIFY(del->isEnabled());
        del->click();
        QCOMPARE(Entries(list), QStringList({".EXE", ".ARJ", ".RAR"}));
        QVERIFY(del->isEnabled());
    }

    void selectionCheck()
    {
        struct Case {
            const char *name;
            std::vector<const char *> clicks;
            const char *button;
            int result; // 0: refused, the dialog stays open
        };
        const std::vector<Case> cases = {
            {"specify files, no box, print", {"m_pOptSpecify"}, "m_pCmdOK", 0},
            {"specify files, no box, preview", {"m_pOptSpecify"}, "m_pCmdPreview", 0},
            {"specify folders, no box", {"m_pOptSpecifyFolders"}, "m_pCmdOK", 0},
            {"specify folders with comment", {"m_pOptSpecifyFolders", "m_pChkFolderComment"}, "m_pCmdOK", 1},
            {"none instead", {"m_pOptSpecify", "m_pNoFiles"}, "m_pCmdOK", 1},
            {"none on both pages, preview", {"m_pNoFiles", "m_pNoFolders"}, "m_pCmdPreview", 1000},
            {"cancel", {"m_pOptSpecify"}, "m_pCmdCancel", 2},
        };
        for (const Case &k : cases) {
            QueuedPrompter prompter;
            TfrmPrint d(dir(), m_settings);
            d.show();
            for (const char *name : k.clicks)
                c<QAbstractButton>(d, name)->click();
            c<QPushButton>(d, k.button)->click();
            const QByteArray what = k.name;
            if (k.result == 0) {
                QVERIFY2(d.isVisible(), what);
                QCOMPARE(d.result(), 0);
                QCOMPARE(prompter.messages().size(), 1);
                const auto m = prompter.messages().first();
                QCOMPARE(m.caption, QStringLiteral("Rackmere"));
                QCOMPARE(m.text, QStringLiteral("Nothing to print - please make your selections."));
                QCOMPARE(m.icon, QMessageBox::Warning);
                QCOMPARE(m.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
                QVERIFY2(c<QRadioButton>(d, k.clicks.front())->isChecked(), what);
            } else {
                QVERIFY2(!d.isVisible(), what);
                QCOMPARE(d.result(), k.result);
                QVERIFY2(prompter.messages().isEmpty(), what);
            }
        }
        // Esc closes with Cancel.
        TfrmPrint d(dir(), m_settings);
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(d.result(), int(TfrmPrint::RESULT_CANCEL));
    }

    void unreadableFilterFile()
    {
        QDir().mkpath(file("FOLDERS.FLT"));
        m_settings.ints = {{"PrFSpec", 1}, {"PrFoSpec", 1}, {"PrFoLevel", 1}, {"PrLayoutBack", 1}};
        TfrmPrint d(dir(), m_settings);
        QCOMPARE(d.loadError(), QStringLiteral("Cannot open file FOLDERS.FLT"));
        QCOMPARE(c<QTabWidget>(d, "PageControl1")->currentWidget()->objectName(), QStringLiteral("tsLayout"));
        QVERIFY(c<QRadioButton>(d, "m_pOptSpecify")->isChecked());        // read before the file
        QVERIFY(c<QRadioButton>(d, "m_pOptSpecifyFolders")->isChecked()); // likewise
        QVERIFY(!c<QCheckBox>(d, "m_pChkFolderLevel")->isChecked());      // never reached
        QVERIFY(c<QRadioButton>(d, "m_pOptCover")->isChecked());          // as designed
        QVERIFY(c<QCheckBox>(d, "m_pChkFrame")->isChecked());
        QVERIFY(!c<QCheckBox>(d, "m_pChkBackFrame")->isChecked());
    }

    void levelArrows()
    {
        TfrmPrint d(dir(), m_settings);
        auto *edit = c<QLineEdit>(d, "m_pTxtFileLevel");
        auto *arrows = c<QScrollBar>(d, "UpDown1");
        struct Step {
            const char *typed; // null: leave the text
            QAbstractSlider::SliderAction action;
            const char *shown;
        };
        const std::vector<Step> steps = {
            {nullptr, QAbstractSlider::SliderSingleStepSub, "1"},
            {nullptr, QAbstractSlider::SliderSingleStepSub, "2"},
            {nullptr, QAbstractSlider::SliderSingleStepAdd, "1"},
            {nullptr, QAbstractSlider::SliderSingleStepAdd, "0"},
            {nullptr, QAbstractSlider::SliderSingleStepAdd, "0"}, // no wrap-around
            {"99", QAbstractSlider::SliderSingleStepSub, "100"},
            {nullptr, QAbstractSlider::SliderSingleStepSub, "100"},
            {"abc", QAbstractSlider::SliderSingleStepAdd, "99"}, // steps from the last number
            {"-5", QAbstractSlider::SliderSingleStepSub, "0"},
        };
        for (const Step &s : steps) {
            if (s.typed)
                edit->setText(s.typed);
            arrows->triggerAction(s.action);
            QCOMPARE(edit->text(), QString::fromLatin1(s.shown));
        }
        // A text put in by the program is passed on as it is, converted only
        // when printing; what is typed is checked (levelBoxesTakeDigitsOnly).
        edit->setText("abc");
        QCOMPARE(d.options().FileLevelText, std::string("abc"));
    }

    void fitsSmallScreens()
    {
        // A screen of 1920 × 1080 at 200 % is 960 × 540 units, less a panel
        // and a title bar of about 40 units each; 1366 × 768 at 100 % has more.
        TfrmPrint d(dir(), m_settings);
        d.show();
        for (QWidget *page : {c<QWidget>(d, "tsFiles"), c<QWidget>(d, "tsFolders"), c<QWidget>(d, "tsLayout")}) {
            c<QTabWidget>(d, "PageControl1")->setCurrentWidget(page);
            QCoreApplication::processEvents();
            QVERIFY2(d.width() <= 960 && d.height() <= 540 - 80,
                     qPrintable(QString("%1 x %2").arg(d.width()).arg(d.height())));
        }
    }

    void levelBoxesTakeDigitsOnly()
    {
        TfrmPrint d(dir(), m_settings);
        d.show();
        c<QAbstractButton>(d, "m_pOptSpecify")->click();
        c<QAbstractButton>(d, "m_pChkFilesLevel")->click();
        c<QAbstractButton>(d, "m_pOptSpecifyFolders")->click();
        c<QAbstractButton>(d, "m_pChkFolderLevel")->click();
        for (const char *name : {"m_pTxtFileLevel", "m_pTxtFolderLevel"}) {
            auto *edit = c<QLineEdit>(d, name);
            QVERIFY2(edit->isEnabled(), name);
            edit->selectAll();
            QTest::keyClicks(edit, "1a-2 x3");
            QCOMPARE(edit->text(), QStringLiteral("123"));
            QTest::keyClicks(edit, "45");
            QCOMPARE(edit->text(), QStringLiteral("1234")); // four digits at most
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
        }
        // An emptied box is level 0, which the selection reads without fault.
        QCOMPARE(d.options().FileLevelText, std::string("0"));
        QCOMPARE(d.options().FolderLevelText, std::string("0"));
        QCOMPARE(ReadPrintSelection(d.options()).FileLevel, 0);
    }
};

QTEST_MAIN(PrintOptionsDialogTest)
#include "PrintOptionsDialog_test.moc"
