// The Print command from the main window: the options dialog, the preview,
// printing to a PDF printer, and the way back to the dialog.
#include "PrintUiSupport.h"

#include "print/ui/Frmprintpreview.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

using namespace rkm;
using namespace rkm::test;

namespace {

void Click(QDialog *w, const char *name)
{
    Find<QAbstractButton>(w, name)->click();
}

QString PdfInfo(const QString &pdf)
{
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
        return {};
    return QString::fromStdString(RunProgram("pdfinfo", {pdf.toStdString()}).out);
}

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> m_sandbox;

    TfrmMain &start(std::unique_ptr<TreeNode> disk)
    {
        WriteDisk(m_sandbox->programDir, "100.rkm", *disk);
        TfrmMain &w = m_sandbox->Open();
        w.selectNode(m_sandbox->store->Tree().findByName(disk->text()));
        return w;
    }
    QString pdf() const { return QString::fromStdString(m_sandbox->programDir + "out.pdf"); }

private slots:
    void init() { m_sandbox = std::make_unique<Sandbox>(); }
    void cleanup() { m_sandbox.reset(); }

    void nothingSelectedDoesNothing()
    {
        TfrmMain &w = start(MakeDisk("Alpha", 2));
        w.selectNode(nullptr);
        QVERIFY(!w.currentDisk());
        ModalScript script;
        TriggerAction(w, "mnuPrint");
        QVERIFY(script.seen.isEmpty());
        QVERIFY(script.unexpected.isEmpty());
    }

    void previewCancelledAndShownAgain()
    {
        TfrmMain &w = start(MakeDisk("Alpha", 5, {{"Docs", 3}}));
        QueuedPrompter prompter;
        QImage first, second;
        ModalScript script;
        script.then("rkm::TfrmPrint", [](QDialog *d) {
            Click(d, "m_pOptCover");
            Click(d, "m_pCmdPreview");
        });
        script.then("rkm::TfrmPrintPreview", [&](QDialog *d) {
            auto *p = static_cast<TfrmPrintPreview *>(d);
            QCOMPARE(p->windowTitle(), QStringLiteral("Print preview"));
            QCOMPARE(p->size(), QSize(632, 504));
            QCOMPARE(Find<QLabel>(d, "Label1")->geometry(), QRect(3, 3, 443, 17));
            QCOMPARE(Find<QLabel>(d, "Label1")->text(),
                     QStringLiteral("Please note that the output may look different on your printer."));
            QCOMPARE(Find<QPushButton>(d, "cmdOk")->geometry(), QRect(568, 3, 61, 21));
            QCOMPARE(Find<QPushButton>(d, "cmdCancel")->geometry(), QRect(568, 26, 61, 20));
            QVERIFY(Find<QPushButton>(d, "cmdOk")->isDefault());
            QVERIFY(p->PreviewBitmap);
            first = p->PreviewBitmap->copy();
            // The image is shown unscaled at (10, 25).
            const QImage shown = p->grab().toImage();
            QCOMPARE(shown.pixelColor(10 + 200, 25 + 0), first.pixelColor(200, 0));
            QCOMPARE(shown.pixelColor(10 + 10, 25 + 300), QColor(Qt::black)); // the cover's left frame
            Click(d, "cmdCancel");
        });
        script.then("rkm::TfrmPrint", [](QDialog *d) {
            QVERIFY(Find<QRadioButton>(d, "m_pOptCover")->isChecked()); // as the user left it
            Click(d, "m_pCmdPreview");
        });
        script.then("rkm::TfrmPrintPreview", [&](QDialog *d) {
            second = static_cast<TfrmPrintPreview *>(d)->PreviewBitmap->copy();
            Click(d, "cmdCancel");
        });
        script.then("rkm::TfrmPrint", [](QDialog *d) { Click(d, "m_pCmdCancel"); });
        TriggerAction(w, "mnuPrint");
        QVERIFY(script.done());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(',')));
        QCOMPARE(first.size(), QSize(540, 470));
        QVERIFY(first == second); // the lines are gathered afresh, never doubled
        QCOMPARE(prompter.count(QueuedPrompter::ChoosePrinter), 0);
        QVERIFY(prompter.messages().isEmpty());
    }

    void previewTurnsThePagesOfALongList()
    {
        TfrmMain &w = start(MakeDisk("Alpha", 900));
        QueuedPrompter prompter;
        ModalScript script;
        script.then("rkm::TfrmPrint", [](QDialog *d) {
            Click(d, "m_pOptList");
            Click(d, "m_pCmdPreview");
        });
        script.then("rkm::TfrmPrintPreview", [&](QDialog *d) {
            auto *p = static_cast<TfrmPrintPreview *>(d);
            auto *previous = Find<QPushButton>(d, "cmdPrevious");
            auto *next = Find<QPushButton>(d, "cmdNext");
            QVERIFY2(p->pageCount() >= 3, qPrintable(QString::number(p->pageCount())));
            QVERIFY(previous->isVisible() && next->isVisible());
            QVERIFY(!previous->isEnabled());
            QVERIFY(next->isEnabled());
            // Nothing of the window moves for the new buttons.
            QCOMPARE(p->size(), QSize(632, 504));
            QCOMPARE(Find<QPushButton>(d, "cmdCancel")->geometry(), QRect(568, 26, 61, 20));
            const QImage first = p->grab().toImage();
            QTest::keyClick(d, Qt::Key_PageDown);
            QCOMPARE(p->currentPage(), 1);
            QVERIFY(previous->isEnabled());
            const QImage second = p->grab().toImage();
            QVERIFY(first != second);
            QTest::keyClick(d, Qt::Key_PageUp);
            QCOMPARE(p->currentPage(), 0);
            QCOMPARE(p->grab().toImage(), first);
            for (int i = 0; i < p->pageCount() + 2; ++i)
                next->click();
            QCOMPARE(p->currentPage(), p->pageCount() - 1);
            QVERIFY(!next->isEnabled());
            QTest::keyClick(d, Qt::Key_PageDown); // nothing after the last page
            QCOMPARE(p->currentPage(), p->pageCount() - 1);
            Click(d, "cmdCancel");
        });
        script.then("rkm::TfrmPrint", [](QDialog *d) {
            Click(d, "m_pOptCover");
            Click(d, "m_pCmdPreview");
        });
        script.then("rkm::TfrmPrintPreview", [&](QDialog *d) {
            // A cover is one page: nothing to turn.
            QCOMPARE(static_cast<TfrmPrintPreview *>(d)->pageCount(), 1);
            QVERIFY(!Find<QPushButton>(d, "cmdNext")->isVisible());
            QVERIFY(!Find<QPushButton>(d, "cmdPrevious")->isVisible());
            Click(d, "cmdCancel");
        });
        script.then("rkm::TfrmPrint", [](QDialog *d) { Click(d, "m_pCmdCancel"); });
        TriggerAction(w, "mnuPrint");
        QVERIFY(script.done());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(',')));
    }

    void printFromPreviewWithPrinterCancelledEnds()
    {
        TfrmMain &w = start(MakeDisk("Alpha", 2));
        QueuedPrompter prompter;
        prompter.printerAnswers.enqueue(false);
        ModalScript script;
        script.then("rkm::TfrmPrint", [](QDialog *d) { Click(d, "m_pCmdPreview"); });
        script.then("rkm::TfrmPrintPreview", [](QDialog *d) { Click(d, "cmdOk"); });
        TriggerAction(w, "mnuPrint");
        QVERIFY(script.done());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(',')));
        QCOMPARE(prompter.count(QueuedPrompter::ChoosePrinter), 1);
    }

    void printToPdfPrinter()
    {
        TfrmMain &w = start(MakeDisk("Backup 3", 4, {{"Docs", 2}}));
        QueuedPrompter prompter;
        prompter.printerAnswers.enqueue(true);
        TfrmMainTestAccess::printCommands(w).printFile = pdf();
        ModalScript script;
        script.then("rkm::TfrmPrint", [](QDialog *d) { Click(d, "m_pCmdOK"); });
        TriggerAction(w, "mnuPrint");
        QVERIFY(script.done());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(',')));
        QFile f(pdf());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        const QString info = PdfInfo(pdf());
        if (!info.isEmpty()) {
            QVERIFY2(info.contains("Title:           Rackmere - Backup 3\n"), qPrintable(info));
            QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        }
        QVERIFY(prompter.messages().isEmpty());
    }

    void listingThatDoesNotFit_data()
    {
        QTest::addColumn<bool>("abort");
        QTest::newRow("abort: back to the dialog") << true;
        QTest::newRow("go on: printed with the overflow") << false;
    }
    void listingThatDoesNotFit()
    {
        QFETCH(bool, abort);
        auto disk = MakeDiskNode("Huge");
        for (int i = 0; i < 6000; ++i)
            disk->disk().Files.append(FileEntry{"a-rather-long-file-name-number-" + std::to_string(i) + ".txt", "", "", "", ""});
        TfrmMain &w = start(std::move(disk));
        QueuedPrompter prompter;
        prompter.printerAnswers.enqueue(true);
        prompter.answers.enqueue(abort ? QMessageBox::Yes : QMessageBox::No);
        TfrmMainTestAccess::printCommands(w).printFile = pdf();
        ModalScript script;
        script.then("rkm::TfrmPrint", [](QDialog *d) {
            Click(d, "m_pOptCover");
            Click(d, "m_pCmdOK");
        });
        if (abort)
            script.then("rkm::TfrmPrint", [](QDialog *d) { Click(d, "m_pCmdCancel"); });
        TriggerAction(w, "mnuPrint");
        QVERIFY(script.done());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(',')));
        QCOMPARE(prompter.messages().size(), 1);
        const auto m = prompter.messages().first();
        QCOMPARE(m.caption, QStringLiteral("Abort"));
        QCOMPARE(m.text, QStringLiteral("Listing does not fit to the print area, abort printing?"));
        QCOMPARE(m.icon, QMessageBox::Warning);
        QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No);
        // An abandoned job leaves no page behind.
        QCOMPARE(QFileInfo(pdf()).isFile() && QFileInfo(pdf()).size() > 0, !abort);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void lettersInALevelBox()
    {
        TfrmMain &w = start(MakeDisk("Alpha", 2));
        QueuedPrompter prompter;
        ModalScript script;
        script.then("rkm::TfrmPrint", [](QDialog *d) {
            Click(d, "m_pOptSpecify");
            Click(d, "m_pChkFilesLevel");
            Find<QLineEdit>(d, "m_pTxtFileLevel")->setText("abc");
            Click(d, "m_pCmdOK");
        });
        TriggerAction(w, "mnuPrint");
        QVERIFY(script.done());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(',')));
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.messages().first().text, QStringLiteral("'abc' is not a valid integer value."));
        QCOMPARE(prompter.messages().first().caption, QStringLiteral("Rackmere V1.0"));
        QCOMPARE(prompter.count(QueuedPrompter::ChoosePrinter), 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void savedDefaultsOnPreview()
    {
        TfrmMain &w = start(MakeDisk("Alpha", 2));
        QueuedPrompter prompter;
        {
            ModalScript script;
            script.then("rkm::TfrmPrint", [](QDialog *d) {
                Click(d, "m_pOptList");
                Click(d, "m_pChkSaveDefault");
                Click(d, "m_pCmdPreview");
            });
            script.then("rkm::TfrmPrintPreview", [](QDialog *d) { Click(d, "cmdCancel"); });
            script.then("rkm::TfrmPrint", [](QDialog *d) { Click(d, "m_pCmdCancel"); });
            TriggerAction(w, "mnuPrint");
            QVERIFY(script.done());
        }
        QVERIFY(QFileInfo::exists(QString::fromStdString(m_sandbox->programDir + "FILES.FLT")));
        QVERIFY(QFileInfo::exists(QString::fromStdString(m_sandbox->programDir + "FOLDERS.FLT")));
        // The next dialog starts from what was stored.
        ModalScript next;
        next.then("rkm::TfrmPrint", [](QDialog *d) {
            QVERIFY(Find<QRadioButton>(d, "m_pOptList")->isChecked());
            QVERIFY(!Find<QCheckBox>(d, "m_pChkSaveDefault")->isChecked());
            Click(d, "m_pCmdCancel");
        });
        TriggerAction(w, "mnuPrint");
        QVERIFY(next.done());
    }

    void filterFileThatCannotBeReadOrWritten()
    {
        QDir().mkpath(QString::fromStdString(m_sandbox->programDir + "FILES.FLT"));
        TfrmMain &w = start(MakeDisk("Alpha", 2));
        QueuedPrompter prompter;
        ModalScript script;
        script.then("rkm::TfrmPrint", [](QDialog *d) {
            Click(d, "m_pChkSaveDefault");
            Click(d, "m_pCmdOK");
        });
        TriggerAction(w, "mnuPrint");
        QVERIFY(script.done());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(',')));
        const auto messages = prompter.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].text, QStringLiteral("Cannot open file FILES.FLT."));
        QCOMPARE(messages[1].text, QStringLiteral("Cannot create file FILES.FLT."));
        QCOMPARE(prompter.count(QueuedPrompter::ChoosePrinter), 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(PrintCommandTest)
#include "PrintCommand_test.moc"
