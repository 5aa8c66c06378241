// What the dialogs that take a listing's texts do with them: the room a
// listing has (510 bytes of a text) and the names they refuse, each said on
// the message line under the fields.
#include "ScanUiSupport.h"

#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmprops.h"
#include "scan/ui/Formrename.h"
#include "search/ui/Frmlistproperties.h"

#include <QTemporaryDir>

using namespace rkm;
using namespace rkm::test;

class DialogTextsTest : public QObject {
    Q_OBJECT

private slots:
    void roomOfATextInEachDialog();
    void renameRefusesNamesThatAreNoNames();
    void nameOfAnotherListingWarnedAndTaken();
};

namespace {

// One dialog with one text a listing holds: made with the stored bytes of
// the text, its box, the message line's name of it, and OK.
struct Editor {
    std::unique_ptr<QDialog> dialog;
    QLineEdit *box = nullptr;
    std::function<QString()> message;
    QPushButton *ok = nullptr;
};

Editor Open(const QString &which, const std::string &stored)
{
    Editor e;
    if (which == "Rename") {
        auto d = std::make_unique<TFormRename>();
        d->setStoredName(stored);
        e.box = Find<QLineEdit>(d.get(), "txtName");
        e.ok = Find<QPushButton>(d.get(), "cmdOK");
        e.message = [p = d.get()] { return p->message(); };
        e.dialog = std::move(d);
    } else if (which == "Comment") {
        static std::unique_ptr<TreeNode> disk;
        disk = MakeDiskNode("System");
        disk->disk().RootPath.assign(1, '/');
        disk->disk().Comment = stored;
        auto d = std::make_unique<TfrmProps>();
        d->SetPropsNode(disk.get());
        d->FormShow();
        e.box = Find<QLineEdit>(d.get(), "txtComment");
        e.ok = Find<QPushButton>(d.get(), "OKBtn");
        e.message = [p = d.get()] { return p->message(); };
        e.dialog = std::move(d);
    } else {
        auto d = std::make_unique<TfrmListProperties>();
        const bool description = which == "Description";
        d->setEntry(FileEntryView{"a.txt", description ? stored : "", "01/02/2020", "1 Kb", description ? "" : stored},
                    {"Docs"}, "/");
        e.box = description ? Find<QLineEdit>(d.get(), "txtDescription")
                            : Find<QComboBox>(d.get(), "cboCategory")->lineEdit();
        e.ok = Find<QPushButton>(d.get(), "OKBtn");
        e.message = [p = d.get()] { return p->message(); };
        e.dialog = std::move(d);
    }
    return e;
}

} // namespace

void DialogTextsTest::roomOfATextInEachDialog()
{
    struct Case {
        const char *name;
        std::string stored; // the text as the listing holds it
        QString typed;      // typed over it (null: left as it was)
        int tooLong;        // bytes over the room, 0 when OK is taken
    };
    const QString e(QChar(0xe9));
    const std::vector<Case> cases = {
        {"510 bytes typed", "old", QString(510, 'a'), 0},
        {"511 bytes typed", "old", QString(511, 'a'), 1},
        // Counted as stored: UTF-8, two bytes to the letter.
        {"255 two-byte letters", "old", e.repeated(255), 0},
        {"256 two-byte letters", "old", e.repeated(256), 2},
        // Left as they are, the stored bytes count: 510 Windows-1252 letters
        // fit (they would be 1020 bytes as UTF-8), 600 do not.
        {"510 stored bytes kept", std::string(510, '\xe9'), QString(), 0},
        {"600 stored bytes kept", std::string(600, 'x'), QString(), 90},
        {"a line break pasted is a space", "old", QString(255, 'a') + "\r\n" + QString(254, 'b'), 0},
    };
    for (const QString which : {"Rename", "Comment", "Description", "Category"}) {
        for (const Case &c : cases) {
            const QString trace = which + ": " + c.name;
            const QString label = which == "Rename" ? QStringLiteral("Name") : which;
            QueuedPrompter p;
            Editor ed = Open(which, c.stored);
            ed.dialog->show();
            QApplication::setActiveWindow(ed.dialog.get());
            QVERIFY(QTest::qWaitForWindowActive(ed.dialog.get()));
            ed.box->setFocus();
            if (!c.typed.isNull()) {
                ed.box->selectAll();
                ed.box->insert(c.typed);
            }
            // The room left is shown while the box is worked in.
            if (c.tooLong == 0)
                QVERIFY2(ed.message().startsWith(label + ": ") && ed.message().endsWith(" of 510 bytes left"),
                         qPrintable(trace + " / " + ed.message()));
            ed.dialog->setResult(-1);
            ed.ok->click();
            const bool accepted = ed.dialog->result() == QDialog::Accepted;
            QVERIFY2(accepted == (c.tooLong == 0), qPrintable(trace));
            if (c.tooLong) {
                QCOMPARE(ed.message(), QStringLiteral("%1: %2 bytes too long; a listing holds at most 510 bytes.")
                                           .arg(label)
                                           .arg(c.tooLong));
                QVERIFY2(ed.dialog->isVisible(), qPrintable(trace));
                QCOMPARE(p.count(QueuedPrompter::Beep), 1);
            }
            QCOMPARE(p.messages().size(), 0);
        }
    }
}

void DialogTextsTest::renameRefusesNamesThatAreNoNames()
{
    struct Case {
        const char *typed;
        const char *reason; // null: taken
    };
    const Case cases[] = {
        {"", "Please type a name for the disk."},
        {"   ", "The name is made only of spaces; please type a name for the disk."},
        {" \t ", "The name is made only of spaces; please type a name for the disk."},
        {" Backup 3 ", nullptr},
    };
    for (const Case &c : cases) {
        QueuedPrompter p;
        TFormRename d;
        d.setStoredName("Backup");
        d.show();
        Find<QLineEdit>(&d, "txtName")->setText(QString::fromUtf8(c.typed));
        d.setResult(-1);
        Find<QPushButton>(&d, "cmdOK")->click();
        QCOMPARE(d.result() == QDialog::Accepted, c.reason == nullptr);
        if (c.reason) {
            QCOMPARE(d.message(), QString::fromUtf8(c.reason));
            QCOMPARE(Find<QLabel>(&d, "lblMessage")->text(), QString::fromUtf8(c.reason));
            QCOMPARE(p.count(QueuedPrompter::Beep), 1);
        } else {
            QCOMPARE(d.storedName(), std::string(c.typed));
        }
    }
}

void DialogTextsTest::nameOfAnotherListingWarnedAndTaken()
{
    Catalog catalog;
    catalog.appendDisk("Archives")->disk().FileName = "1.rkm";
    catalog.appendDisk("Caf\xE9")->disk().FileName = "2.rkm"; // made on Windows
    TreeNode *renamed = catalog.appendDisk("Old");
    renamed->disk().FileName = "3.rkm";
    const QTemporaryDir folder;
    struct Case {
        QString typed;
        bool warnedRename, warnedAdd;
    };
    const std::vector<Case> cases = {
        {"Archives", true, true},
        {"archives", false, false}, // letter case counts, as everywhere a disk name is matched
        {QString::fromUtf8("Caf\xC3\xA9"), true, true},
        {"Old", false, true}, // the renamed listing's own name
        {"Fresh", false, false},
    };
    for (const QString which : {"Rename", "Add new"}) {
        for (const Case &c : cases) {
            const QString trace = which + ": " + c.typed;
            const bool warned = which == "Rename" ? c.warnedRename : c.warnedAdd;
            QueuedPrompter p;
            std::unique_ptr<QDialog> dialog;
            QLineEdit *box = nullptr;
            QPushButton *ok = nullptr;
            std::function<QString()> message;
            if (which == "Rename") {
                auto d = std::make_unique<TFormRename>();
                d->setStoredName(renamed->text());
                d->setNameTaken([&](const std::string &name) { return catalog.nameTaken(name, renamed); });
                box = Find<QLineEdit>(d.get(), "txtName");
                ok = Find<QPushButton>(d.get(), "cmdOK");
                message = [q = d.get()] { return q->message(); };
                dialog = std::move(d);
            } else {
                auto d = std::make_unique<TfrmAddNew>();
                d->nameTaken = [&](const std::string &name) { return catalog.nameTaken(name); };
                box = Find<QLineEdit>(d.get(), "txtDescription");
                ok = Find<QPushButton>(d.get(), "cmdOK");
                message = [q = d.get()] { return q->message(); };
                dialog = std::move(d);
            }
            dialog->show();
            QApplication::setActiveWindow(dialog.get());
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            if (which == "Add new")
                Find<QLineEdit>(dialog.get(), "txtFolder")->setText(folder.path());
            box->setFocus();
            box->selectAll();
            box->insert(c.typed);
            const QString warning =
                QStringLiteral("Another listing is already named '%1'; the tree will show each with its listing file.")
                    .arg(c.typed);
            QVERIFY2((message() == warning) == warned, qPrintable(trace + " / " + message()));
            QVERIFY2(warned || message().endsWith(" of 510 bytes left"), qPrintable(trace + " / " + message()));
            // Taken all the same.
            dialog->setResult(-1);
            ok->click();
            QVERIFY2(dialog->result() == QDialog::Accepted, qPrintable(trace + " / " + message()));
            QCOMPARE(p.count(QueuedPrompter::Beep), 0);
        }
    }
}

QTEST_MAIN(DialogTextsTest)
#include "DialogTexts_test.moc"
