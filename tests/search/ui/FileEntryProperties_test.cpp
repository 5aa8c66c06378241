#include "search/ui/SearchUiSupport.h"

#include "app/CatalogTreeModel.h"
#include "search/ui/Frmlistproperties.h"
#include "gui/Help.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace rkm;
using namespace rkm::test;
using namespace rkm::searchtest;

class FileEntryPropertiesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_disk; // Work's root on "disk"
    std::unique_ptr<QueuedPrompter> m_prompter;
    std::unique_ptr<Sandbox> m_sandbox;
    CatalogStore *m_store = nullptr;
    TfrmMain *m_main = nullptr;

    TreeNode *node(const char *path) { return NodeAt(m_store->Tree(), QString::fromUtf8(path)); }
    std::string catFile() const { return m_sandbox->programDir + "DATA.CAT"; }
    QByteArray catBytes() const
    {
        QFile f(QString::fromStdString(catFile()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static ino_t inode(const std::string &path)
    {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
    }
    // Selects the entry and double-clicks it; `answer` works the dialog.
    bool open(const char *path, int entry, const std::function<void(TfrmListProperties &)> &answer)
    {
        m_main->selectNode(node(path));
        m_main->setGridEntryIndex(entry);
        m_prompter->clear();
        return WithDialog<TfrmListProperties>([&] { TriggerAction(*m_main, "popLstProperties"); }, answer);
    }
    QString gridText(int row, int column) const
    {
        return m_main->gridModel()->data(m_main->gridModel()->index(row, column)).toString();
    }

private slots:
    void init()
    {
        m_disk = std::make_unique<QTemporaryDir>();
        WriteBytes(m_disk->filePath("notes.txt").toStdString(), "hello");
        m_prompter = std::make_unique<QueuedPrompter>();
        m_sandbox = std::make_unique<Sandbox>();
        WriteSample(m_sandbox->programDir, m_disk->path().toStdString());
        m_main = &m_sandbox->Open();
        m_store = m_sandbox->store.get();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanup()
    {
        m_sandbox.reset();
        m_prompter.reset();
        m_disk.reset();
    }

    void okWithoutChangeShowsTheEntryAndChangesNothing()
    {
        const ino_t before = inode(catFile());
        QVERIFY(open("Work", 0, [](TfrmListProperties &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Properties"));
            QCOMPARE(Find<QLabel>(&d, "lblFilename")->text(), QStringLiteral("notes.txt"));
            QCOMPARE(Find<QLabel>(&d, "lblSize")->text(), QStringLiteral("12 Kb"));
            QCOMPARE(Find<QLabel>(&d, "lblDate")->text(), QStringLiteral("01/02/2020"));
            QCOMPARE(Find<QLineEdit>(&d, "txtDescription")->text(), QStringLiteral("meeting notes"));
            QCOMPARE(Find<QComboBox>(&d, "cboCategory")->currentText(), QStringLiteral("Docs"));
            QCOMPARE(Find<QComboBox>(&d, "cboCategory")->count(), 3);
            QCOMPARE(Find<QComboBox>(&d, "cboCategory")->itemText(2), QStringLiteral("Photos"));
            // Typing goes to the description, not to OK.
            QCOMPARE(d.focusWidget(), static_cast<QWidget *>(Find<QLineEdit>(&d, "txtDescription")));
            QVERIFY(Find<QPushButton>(&d, "OKBtn")->isDefault());
            Find<QPushButton>(&d, "OKBtn")->click();
        }));
        QVERIFY(!node("Work")->disk().IsModified());
        QCOMPARE(inode(catFile()), before);
        QCOMPARE(m_store->Categories().size(), std::size_t(3));
    }

    void editsAreStoredShownAndNewCategoriesWrittenAtOnce()
    {
        // Table: entry of Work, description and category typed, what is stored,
        // the category file afterwards.
        const struct {
            const char *what;
            const char *path;
            int entry;
            QString description, category;
            std::string storedDescription, storedCategory;
            QByteArray catFile;
        } cases[] = {
            {"other letter case not added twice", "Work", 0, "meeting notes", "MUSIC", "meeting notes", "MUSIC",
             "Docs\r\nMusic\r\nPhotos\r\n"},
            {"new category appended", "Work", 1, "a song", "Songs", "a song", "Songs",
             "Docs\r\nMusic\r\nPhotos\r\nSongs\r\n"},
            {"first empty category added", "Work/Readings", 0, "", "", "", "",
             "Docs\r\nMusic\r\nPhotos\r\nSongs\r\n\r\n"},
            {"empty category not added again", "Work/Readings", 0, "read me", "", "read me", "",
             "Docs\r\nMusic\r\nPhotos\r\nSongs\r\n\r\n"},
        };
        for (const auto &c : cases) {
            QVERIFY2(open(c.path, c.entry, [&](TfrmListProperties &d) {
                Find<QLineEdit>(&d, "txtDescription")->setText(c.description);
                Find<QComboBox>(&d, "cboCategory")->setEditText(c.category);
                Find<QPushButton>(&d, "OKBtn")->click();
            }), c.what);
            const FileList &files = node(c.path)->disk().Files;
            QCOMPARE(files.text(c.entry, FT_DESCRIPTION), c.storedDescription);
            QCOMPARE(files.text(c.entry, FT_CATEGORY), c.storedCategory);
            QCOMPARE(catBytes(), c.catFile);
            QCOMPARE(gridText(c.entry, FT_DESCRIPTION), QString::fromStdString(c.storedDescription));
            QCOMPARE(gridText(c.entry, FT_CATEGORY), QString::fromStdString(c.storedCategory));
        }
        QVERIFY(node("Work")->disk().IsModified());
        QVERIFY(!node("Photos")->disk().IsModified());
    }

    void lineBreaksTypedOrPastedBecomeSpaces()
    {
        QVERIFY(open("Photos", 0, [](TfrmListProperties &d) {
            Find<QLineEdit>(&d, "txtDescription")->clear();
            Find<QLineEdit>(&d, "txtDescription")->insert("two\r\nlines\nhere");
            QCOMPARE(Find<QLineEdit>(&d, "txtDescription")->text(), QStringLiteral("two lines here"));
            Find<QComboBox>(&d, "cboCategory")->lineEdit()->clear();
            Find<QComboBox>(&d, "cboCategory")->lineEdit()->insert("new\ncat");
            QCOMPARE(Find<QComboBox>(&d, "cboCategory")->currentText(), QStringLiteral("new cat"));
            Find<QPushButton>(&d, "OKBtn")->click();
        }));
        QCOMPARE(node("Photos")->disk().Files.text(0, FT_DESCRIPTION), "two lines here");
        QCOMPARE(node("Photos")->disk().Files.text(0, FT_CATEGORY), "new cat");
        m_store->SaveModifiedListings();
        CatalogStore again(m_sandbox->programDir);
        QVERIFY(again.LoadCatalog().empty());
        QCOMPARE(again.Tree().findByName("Photos")->disk().Files.text(0, FT_DESCRIPTION), "two lines here");
    }

    void longTextsAreShownWholeAndKeptWhenOkIsRefused()
    {
        // Longer than a line edit holds unless told otherwise (32767), and
        // longer than a listing holds: shown whole, never cut unseen; OK says
        // why it is refused, and the texts stay as they were.
        const std::string description(40000, 'd');
        const std::string category = "Docs" + std::string(40000, 'c');
        FileList &files = node("Photos")->disk().Files;
        files.setText(0, FT_DESCRIPTION, description);
        files.setText(0, FT_CATEGORY, category);
        bool refused = false;
        QVERIFY(open("Photos", 0, [&](TfrmListProperties &d) {
            QCOMPARE(Find<QLineEdit>(&d, "txtDescription")->text().size(), qsizetype(description.size()));
            QCOMPARE(Find<QComboBox>(&d, "cboCategory")->currentText().size(), qsizetype(category.size()));
            Find<QPushButton>(&d, "OKBtn")->click();
            const QString tooLong = QStringLiteral("Description: %1 bytes too long").arg(QLocale().toString(39490));
            refused = d.isVisible() && d.message().startsWith(tooLong);
        }));
        QVERIFY(refused);
        QCOMPARE(files.text(0, FT_DESCRIPTION), description);
        QCOMPARE(files.text(0, FT_CATEGORY), category);
        QVERIFY(!node("Photos")->disk().IsModified());
        QCOMPARE(m_store->Categories().size(), std::size_t(3));
    }

    void launchOpensTheFileAndDropsEdits()
    {
        QVERIFY(open("Work", 0, [](TfrmListProperties &d) {
            Find<QLineEdit>(&d, "txtDescription")->setText("changed");
            Find<QPushButton>(&d, "cmdLaunch")->click();
        }));
        QCOMPARE(m_prompter->count(QueuedPrompter::OpenUrl), 1);
        QCOMPARE(QUrl(m_prompter->calls[0].text), QUrl::fromLocalFile(m_disk->filePath("notes.txt")));
        QCOMPARE(node("Work")->disk().Files.text(0, FT_DESCRIPTION), "meeting notes");
        QVERIFY(!node("Work")->disk().IsModified());
        QVERIFY(!Child<TfrmListProperties>(*m_main).isVisible());
    }

    void launchWithNoProgramSaysSoAndStaysOpen()
    {
        m_prompter->openAnswers.enqueue(false);
        bool stillOpen = false;
        QString said;
        QVERIFY(open("Work", 0, [&](TfrmListProperties &d) {
            Find<QLineEdit>(&d, "txtDescription")->setText("changed");
            Find<QPushButton>(&d, "cmdLaunch")->click();
            stillOpen = d.isVisible();
            said = d.message();
            Find<QPushButton>(&d, "OKBtn")->click();
        }));
        QVERIFY(stillOpen);
        QCOMPARE(said, "No program is set up to open " + m_disk->filePath("notes.txt") + ".");
        QCOMPARE(m_prompter->count(QueuedPrompter::OpenUrl), 1);
        QCOMPARE(m_prompter->count(QueuedPrompter::Beep), 1);
        QCOMPARE(m_prompter->messages().size(), 0);
        // Nothing was started, so what was typed is kept by OK.
        QCOMPARE(node("Work")->disk().Files.text(0, FT_DESCRIPTION), "changed");
    }

    void categoryBoxStoresWhatWasTyped()
    {
        // The box offers the list below it, and never puts a category of the
        // list in place of what was typed, however the box is left.
        struct Case {
            const char *typed;
            Qt::Key leaveBy;
            const char *stored;
        };
        const Case cases[] = {
            {"Disk", Qt::Key_Tab, "Disk"},
            {"Disk", Qt::Key_Return, "Disk"},
            {"DOCUMENTATION", Qt::Key_Tab, "DOCUMENTATION"},
            {"DOCUMENTATION", Qt::Key_Return, "DOCUMENTATION"},
            {"Documentation", Qt::Key_Tab, "Documentation"},
        };
        for (const Case &c : cases) {
            QueuedPrompter p;
            TfrmListProperties d;
            d.setEntry(FileEntryView{"a.iso", "", "01/02/2020", "1 Kb", ""}, {"Disk images", "Documentation"}, "/");
            d.show();
            QApplication::setActiveWindow(&d);
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QComboBox *box = Find<QComboBox>(&d, "cboCategory");
            box->setFocus();
            QTest::keyClicks(box->lineEdit(), QString::fromLatin1(c.typed));
            QTest::keyClick(QApplication::focusWidget(), c.leaveBy);
            QCOMPARE(box->currentText(), QString::fromLatin1(c.typed));
            QCOMPARE(d.categoryText(), std::string(c.stored));
            if (d.isVisible())
                Find<QPushButton>(&d, "OKBtn")->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(d.categoryText(), std::string(c.stored));
        }
    }

    void launchOfAMissingFileWarnsAndStaysOpen()
    {
        bool stillOpen = false;
        QVERIFY(open("Work", 1, [&](TfrmListProperties &d) {
            Find<QPushButton>(&d, "cmdLaunch")->click();
            stillOpen = d.isVisible();
            Find<QPushButton>(&d, "CancelBtn")->click();
        }));
        QVERIFY(stillOpen);
        QCOMPARE(m_prompter->count(QueuedPrompter::OpenUrl), 0);
        const QList<QueuedPrompter::Call> m = m_prompter->messages();
        QCOMPARE(m.size(), 1);
        QCOMPARE(m[0].caption, m_disk->filePath("song.mp3"));
        QCOMPARE(m[0].text, QStringLiteral("The file could not be found, please make sure the right disk is inserted."));
        QCOMPARE(m[0].icon, QMessageBox::Warning);
    }

    void f1OpensTheFileEntryTopic()
    {
        QString topic;
        QVERIFY(open("Work", 0, [&](TfrmListProperties &d) {
            auto *f1 = Find<QShortcut>(&d, "rkmHelpShortcut", Qt::FindDirectChildrenOnly);
            emit f1->activated();
            topic = HelpBrowser() ? HelpBrowser()->source().toString() : QString();
            CloseHelp();
            Find<QPushButton>(&d, "CancelBtn")->click();
        }));
        QCOMPARE(topic, QStringLiteral("qrc:/help/topic8.html"));
    }

    void folderWithoutFilesOpensNothing()
    {
        QVERIFY(!open("Work/Empty", 0, [](TfrmListProperties &d) { Find<QPushButton>(&d, "CancelBtn")->click(); }));
    }

    void popupItemReachesTheDialog()
    {
        m_main->selectNode(node("Work"));
        m_main->setGridEntryIndex(1);
        QVERIFY(WithDialog<TfrmListProperties>([&] { Action(m_main, "popLstProperties")->trigger(); },
                                               [](TfrmListProperties &d) {
                                                   QCOMPARE(Find<QLabel>(&d, "lblFilename")->text(), QStringLiteral("song.mp3"));
                                                   Find<QPushButton>(&d, "CancelBtn")->click();
                                               }));
    }

    void unwritableCategoryFileIsReportedAndTheEditKept()
    {
        QVERIFY(QFile::remove(QString::fromStdString(catFile())));
        QVERIFY(QDir().mkdir(QString::fromStdString(catFile())));
        QVERIFY(open("Work", 0, [](TfrmListProperties &d) {
            Find<QComboBox>(&d, "cboCategory")->setEditText("Games");
            Find<QPushButton>(&d, "OKBtn")->click();
        }));
        QCOMPARE(m_prompter->messages().size(), 1);
        QCOMPARE(node("Work")->disk().Files.text(0, FT_CATEGORY), "Games");
        QCOMPARE(gridText(0, FT_CATEGORY), QStringLiteral("Games"));
        QCOMPARE(m_store->Categories().back(), std::string("Games"));
    }
};

QTEST_MAIN(FileEntryPropertiesTest)
#include "FileEntryProperties_test.moc"
