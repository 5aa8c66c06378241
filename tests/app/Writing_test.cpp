// The desktop program as the catalogue's one writer: edits written soon after
// the last one, failures told at once and at exit, the lock shared with
// rackmere-cli.
#include "search/ui/SearchUiSupport.h"

#include "catalog/ListingFile.h"
#include "catalog/WriterLock.h"
#include "scan/ui/Frmprops.h"
#include "search/ui/Frmlistproperties.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <unistd.h>

using namespace rkm;
using namespace rkm::test;

namespace {

// Answers each message as `answer` decides, noting whether the window was up.
struct ScriptedPrompter final : Prompter {
    std::function<QMessageBox::StandardButton(QMessageBox::StandardButtons)> answer;
    QStringList texts;
    QList<bool> windowShown;
    QWidget *window = nullptr;
    ScriptedPrompter() { setPrompter(this); }
    ~ScriptedPrompter() override { setPrompter(nullptr); }
    QMessageBox::StandardButton message(QWidget *, QMessageBox::Icon, const QString &, const QString &text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton) override
    {
        texts << text;
        windowShown << (window && window->isVisible());
        return answer ? answer(buttons) : QMessageBox::Ok;
    }
    void beep() override {}
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return {}; }
    bool choosePrinter(QWidget *, QPrinter *) override { return false; }
    bool openUrl(const QUrl &) override { return true; }
};

} // namespace

class WritingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> m_box;
    std::string m_listing; // Work's listing file

    TfrmMain &open()
    {
        m_box->Open().show();
        return *m_box->main;
    }
    std::unique_ptr<TreeNode> onDisk() const { return ReadListing(ReadBytes(m_listing)).disk; }
    TreeNode *work() const { return m_box->store->Tree().findByName("Work"); }
    // The name of Work's listing file is taken by a folder: it cannot be written.
    void blockWork(bool blocked) const
    {
        const QString path = QString::fromStdString(m_listing);
        QVERIFY(blocked ? QFile::remove(path) && QDir().mkdir(path) : QDir().rmdir(path));
    }

private slots:
    void init()
    {
        m_box = std::make_unique<Sandbox>();
        m_listing = m_box->programDir + "100.rkm";
        searchtest::WriteSample(m_box->programDir, m_box->programDir);
        TfrmMainTestAccess::setAutosaveMilliseconds(50);
        TfrmMainTestAccess::setLockWaitMilliseconds(50);
    }
    void cleanup() { m_box.reset(); }

    void everyEditIsWrittenSoon_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("file entry properties") << 0;
        QTest::newRow("listing properties") << 1;
        QTest::newRow("rename") << 2;
    }
    void everyEditIsWrittenSoon()
    {
        QFETCH(int, kind);
        QueuedPrompter p;
        TfrmMain &w = open();
        TreeNode *disk = work();
        w.selectNode(disk);
        w.setGridEntryIndex(0);
        const auto type = [&](const char *edit, const char *text, const char *ok) {
            return [=](QDialog &d) {
                Find<QLineEdit>(&d, edit)->setText(QString::fromUtf8(text));
                Find<QPushButton>(&d, ok)->click();
            };
        };
        if (kind == 0)
            QVERIFY(WithDialog<TfrmListProperties>([&] { TriggerAction(w, "popLstProperties"); },
                                                   type("txtDescription", "minutes", "OKBtn")));
        else if (kind == 1)
            QVERIFY(WithDialog<TfrmProps>([&] { TriggerAction(w, "mnuProperties"); }, type("txtComment", "work disk", "OKBtn")));
        else
            QVERIFY(WithDialog<QDialog>([&] { TriggerAction(w, "mnuRename"); }, type("txtName", "Office", "cmdOK")));
        QVERIFY(disk->disk().IsModified());
        QTRY_VERIFY_WITH_TIMEOUT(!disk->disk().IsModified(), 10000);
        const std::unique_ptr<TreeNode> saved = onDisk();
        QCOMPARE(saved->text(), std::string(kind == 2 ? "Office" : "Work"));
        QCOMPARE(saved->disk().Comment, std::string(kind == 1 ? "work disk" : ""));
        QCOMPARE(saved->disk().Files.text(0, FT_DESCRIPTION), std::string(kind == 0 ? "minutes" : "meeting notes"));
        QVERIFY(w.isVisible());
    }

    // A listing that cannot be written is told at once with its name and the
    // reason, kept in memory and tried again after the next edit.
    void failedAutosaveIsToldAndRetried()
    {
        ScriptedPrompter p;
        TfrmMain &w = open();
        blockWork(true);
        w.listingEdited(work()->disk());
        QTRY_COMPARE_WITH_TIMEOUT(p.texts.size(), 1, 10000);
        QVERIFY2(p.texts[0].startsWith(QStringLiteral("The listing 'Work' could not be saved: Cannot write file %1: %2")
                                           .arg(QString::fromStdString(m_listing), std::strerror(EISDIR))),
                 qPrintable(p.texts[0]));
        QVERIFY(work()->disk().IsModified());
        blockWork(false);
        work()->disk().Comment = "second";
        w.listingEdited(work()->disk());
        QTRY_VERIFY_WITH_TIMEOUT(!work()->disk().IsModified(), 10000);
        QCOMPARE(onDisk()->disk().Comment, std::string("second"));
        QCOMPARE(p.texts.size(), 1);
    }

    // A text an earlier program stored longer than a listing holds is cut
    // when the listing is saved, and the user is told which, once.
    void shortenedTextsAreTold()
    {
        // Our writer would cut it: the longer text is put into the bytes.
        auto disk = MakeDisk("Long", 1);
        const std::string fits(MAX_TEXT_BYTES, 'x');
        disk->disk().Files.setText(0, FT_DESCRIPTION, fits);
        std::string bytes = WriteListing(*disk, 0x1234abcd);
        bytes.replace(bytes.find(fits), fits.size(), std::string(600, 'x'));
        WriteBytes(m_box->programDir + "300.rkm", bytes);
        ScriptedPrompter p;
        open();
        TreeNode *longDisk = m_box->store->Tree().findByName("Long");
        for (int edit = 0; edit < 2; ++edit) {
            longDisk->disk().Comment = std::to_string(edit);
            m_box->main->listingEdited(longDisk->disk());
            QTRY_VERIFY_WITH_TIMEOUT(!longDisk->disk().IsModified(), 10000);
        }
        QCOMPARE(p.texts.size(), 1);
        QVERIFY2(p.texts[0].contains("Listing 'Long' (300.rkm):\n    Long-file0.txt (description)"),
                 qPrintable(p.texts[0]));
    }

    // Thousands of shortened texts, or of listings that fail to load, make a
    // box of a few lines: twenty of them and a count of the rest.
    void longListsMakeBoxesThatFit()
    {
        auto disk = MakeDisk("Long", 3000);
        const std::string fits(MAX_TEXT_BYTES, 'x');
        for (int i = 0; i < 3000; ++i)
            disk->disk().Files.setText(i, FT_DESCRIPTION, fits);
        const std::string written = WriteListing(*disk, 0x1234abcd);
        std::string bytes;
        for (std::size_t from = 0;;) {
            const std::size_t at = written.find(fits, from);
            bytes.append(written, from, at == std::string::npos ? std::string::npos : at - from);
            if (at == std::string::npos)
                break;
            bytes += std::string(600, 'x');
            from = at + fits.size();
        }
        WriteBytes(m_box->programDir + "300.rkm", bytes);
        for (int i = 0; i < 30; ++i)
            WriteBytes(m_box->programDir + std::to_string(400 + i) + ".rkm", "broken");
        ScriptedPrompter p;
        open();
        QCOMPARE(p.texts.size(), 1);
        QVERIFY2(p.texts[0].count(QLatin1Char('\n')) <= 21, qPrintable(p.texts[0]));
        QVERIFY2(p.texts[0].endsWith(QStringLiteral("\u2026 and 10 more")), qPrintable(p.texts[0]));
        TreeNode *longDisk = m_box->store->Tree().findByName("Long");
        longDisk->disk().Comment = "edited";
        m_box->main->listingEdited(longDisk->disk());
        QTRY_VERIFY_WITH_TIMEOUT(!longDisk->disk().IsModified(), 10000);
        QCOMPARE(p.texts.size(), 2);
        QVERIFY2(p.texts[1].count(QLatin1Char('\n')) <= 23, qPrintable(p.texts[1]));
        QVERIFY2(p.texts[1].contains(QStringLiteral("\u2026 and 2,981 more")), qPrintable(p.texts[1]));
    }

    // At exit the window stays until a retry succeeds or the user discards.
    void exitOffersRetryAndDiscard()
    {
        for (const bool discard : {false, true}) {
            init();
            ScriptedPrompter p;
            p.window = &open();
            blockWork(true);
            p.answer = [&](QMessageBox::StandardButtons buttons) {
                if (buttons != (QMessageBox::Retry | QMessageBox::Discard))
                    return QMessageBox::Ok;
                if (p.texts.size() == 2)
                    return QMessageBox::Discard;
                if (!discard)
                    blockWork(false); // the user makes room, then retries
                return QMessageBox::Retry;
            };
            work()->disk().Comment = "kept?";
            work()->disk().SetModified(true);
            QVERIFY(p.window->close());
            QCOMPARE(p.windowShown, QList<bool>(discard ? 2 : 1, true));
            QVERIFY(p.texts[0].contains("The listing 'Work' could not be saved"));
            m_box->main.reset(); // nothing more is tried or told
            QCOMPARE(p.texts.size(), discard ? 2 : 1);
            QCOMPARE(QFileInfo(QString::fromStdString(m_listing)).isDir(), discard);
            if (!discard)
                QCOMPARE(onDisk()->disk().Comment, std::string("kept?"));
        }
    }

    // A catalogue whose lock file cannot be made opens read-only: said in the
    // title and once in a message, every save refused, the files untouched.
    void readOnlyCatalogue()
    {
        QVERIFY(QDir().mkdir(QString::fromStdString(m_box->programDir + WriterLock::FILE_NAME)));
        const std::string before = ReadBytes(m_listing);
        ScriptedPrompter p;
        p.answer = [](QMessageBox::StandardButtons buttons) {
            return buttons.testFlag(QMessageBox::Discard) ? QMessageBox::Discard : QMessageBox::Ok;
        };
        TfrmMain &w = open();
        QVERIFY2(w.windowTitle().endsWith(QStringLiteral("(read-only)")), qPrintable(w.windowTitle()));
        QCOMPARE(m_box->store->Tree().diskCount(), 2);
        QCOMPARE(p.texts.size(), 1);
        QVERIFY2(p.texts[0].contains("is open read-only: the lock file cannot be made"), qPrintable(p.texts[0]));
        work()->disk().Comment = "never written";
        w.listingEdited(work()->disk());
        QTRY_COMPARE_WITH_TIMEOUT(p.texts.size(), 2, 10000);
        QVERIFY2(p.texts[1].contains("is open read-only"), qPrintable(p.texts[1]));
        m_box->main.reset();
        QCOMPARE(ReadBytes(m_listing), before);
    }

    // The desktop program holds the writer lock while it runs; started while a
    // command of rackmere-cli holds it, it waits, then asks Retry or Cancel.
    void oneWriterWithRackmereCli()
    {
        open();
        const CliResult r = RunCli({"rename", "Work", "Elsewhere"}, {.programDir = m_box->programDir});
        QCOMPARE(r.status, 4);
        QVERIFY2(r.err.find("in use by Rackmere (process " + std::to_string(::getpid()) + ")") != std::string::npos,
                 r.err.c_str());
        for (const bool waitItOut : {false, true}) {
            init();
            auto cli = std::make_unique<WriterLock>(m_box->programDir);
            QCOMPARE(cli->take(), WriterLock::State::Held);
            ScriptedPrompter p;
            p.answer = [&](QMessageBox::StandardButtons) {
                if (p.texts.size() < 2)
                    return QMessageBox::Retry;
                cli.reset(); // the command ends meanwhile
                return waitItOut ? QMessageBox::Retry : QMessageBox::Cancel;
            };
            TfrmMain &w = open();
            QCOMPARE(p.texts.size(), 2);
            QVERIFY2(p.texts[0].contains("is in use by"), qPrintable(p.texts[0]));
            QCOMPARE(w.startAbandoned(), !waitItOut);
            QCOMPARE(m_box->store->Tree().diskCount(), waitItOut ? 2 : 0);
        }
    }
};

QTEST_MAIN(WritingTest)
#include "Writing_test.moc"
