// Disk > Export... in the desktop program: the dialog, the file picker and
// the file written.
#include "export/ui/Frmexport.h"
#include "support/GuiTestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace rkm;
using namespace rkm::test;

namespace {

// Runs `command` and answers the export dialog it opens: `answer` sets it
// up, then OK is pressed (or Cancel, when `ok` is false). False when no
// dialog came.
bool WithExportDialog(const std::function<void()> &command, const std::function<void(TfrmExport &)> &answer,
                      bool ok = true)
{
    return WithDialog<TfrmExport>(command, [&](TfrmExport &d) {
        answer(d);
        if (d.isVisible())
            Find<QPushButton>(&d, ok ? "cmdOK" : "cmdCancel")->click();
    });
}

QStringList ExportedListings(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QJsonValue l : QJsonDocument::fromJson(f.readAll()).object()[QStringLiteral("listings")].toArray())
        names << l.toObject()[QStringLiteral("name")].toString();
    return names;
}

} // namespace

class ExportCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<QueuedPrompter> m_prompter;

    TfrmMain &start(int disks = 2)
    {
        if (disks > 0)
            WriteDisk(m_sandbox->programDir, "100.rkm", *MakeDisk("Alpha & Co", 2, {{"Docs", 3}}));
        if (disks > 1)
            WriteDisk(m_sandbox->programDir, "200.rkm", *MakeDisk("Beta", 1));
        return m_sandbox->Open();
    }
    const Catalog &tree() const { return m_sandbox->store->Tree(); }
    QString out(const char *name) const
    {
        return QString::fromStdString(m_sandbox->programDir) + QLatin1String(name);
    }
    void exportNow() { Action(m_sandbox->main.get(), "mnuExport")->trigger(); }

private slots:
    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        m_prompter = std::make_unique<QueuedPrompter>();
    }
    void cleanup()
    {
        m_sandbox.reset();
        m_prompter.reset();
    }

    void theSelectedListingAsHtml()
    {
        TfrmMain &w = start();
        QVERIFY(Action(&w, "mnuExport")->isEnabled());
        w.selectNode(tree().findByName("Alpha & Co")->child(0));
        // Typed without an extension: the format's is added.
        m_prompter->saveFiles.enqueue(out("alpha"));
        QVERIFY(WithExportDialog([&] { exportNow(); },
                                 [](TfrmExport &d) {
                                     QCOMPARE(d.windowTitle(), QStringLiteral("Export"));
                                     auto *listing = Find<QRadioButton>(&d, "optListing");
                                     QVERIFY(listing->isEnabled());
                                     QVERIFY(listing->isChecked());
                                     QCOMPARE(listing->text(), QStringLiteral("The selected &listing: Alpha && Co"));
                                     QCOMPARE(Find<QRadioButton>(&d, "optCatalogue")->text(),
                                              QStringLiteral("The whole &catalogue (2 listings)"));
                                     Find<QComboBox>(&d, "cboFormat")->setCurrentIndex(2);
                                 }));
        QCOMPARE(m_prompter->count(QueuedPrompter::SaveFileName), 1);
        QCOMPARE(m_prompter->calls.last().caption, QStringLiteral("Export"));
        QVERIFY(m_prompter->calls.last().text.endsWith(QStringLiteral("/Alpha & Co.html")));
        QCOMPARE(m_prompter->saveFilters, QStringList{QStringLiteral("HTML pages (*.html *.htm)")});
        QFile page(out("alpha.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        QVERIFY(html.startsWith("<!DOCTYPE html>"));
        QVERIFY(html.contains("<title>Rackmere: Alpha &amp; Co</title>"));
        QVERIFY(!html.contains("Beta"));
        QCOMPARE(m_prompter->count(QueuedPrompter::Message), 0);
    }

    void theWholeCatalogueAsJsonAndTheFormatIsRemembered()
    {
        TfrmMain &w = start();
        w.selectNode(tree().findByName("Beta"));
        m_prompter->saveFiles.enqueue(out("all.json"));
        QVERIFY(WithExportDialog([&] { exportNow(); },
                                 [](TfrmExport &d) {
                                     Find<QRadioButton>(&d, "optCatalogue")->setChecked(true);
                                     Find<QComboBox>(&d, "cboFormat")->setCurrentIndex(1);
                                 }));
        QCOMPARE(ExportedListings(out("all.json")), QStringList({"Alpha & Co", "Beta"}));
        QVERIFY(m_prompter->calls.last().text.endsWith(QStringLiteral("/Rackmere catalogue.json")));
        // The next export offers JSON again, in the folder of the last one.
        m_prompter->saveFiles.enqueue(QString());
        QVERIFY(WithExportDialog([&] { exportNow(); },
                                 [](TfrmExport &d) {
                                     QCOMPARE(d.format(), ExportFormat::Json);
                                     Find<QRadioButton>(&d, "optCatalogue")->setChecked(true);
                                 }));
        QCOMPARE(m_prompter->calls.last().text, out("Rackmere catalogue.json"));
    }

    void nothingSelectedCancelledOrEmpty()
    {
        TfrmMain &w = start();
        w.selectNode(nullptr);
        // Without a selection only the whole catalogue can be exported.
        QVERIFY(WithExportDialog([&] { exportNow(); },
                                 [](TfrmExport &d) {
                                     QVERIFY(!Find<QRadioButton>(&d, "optListing")->isEnabled());
                                     QVERIFY(d.wholeCatalogue());
                                 },
                                 false));
        // Cancel in the dialog asks for no file; cancel in the picker writes none.
        QCOMPARE(m_prompter->count(QueuedPrompter::SaveFileName), 0);
        QVERIFY(WithExportDialog([&] { exportNow(); }, [](TfrmExport &) {}));
        QCOMPARE(m_prompter->count(QueuedPrompter::SaveFileName), 1);
        QVERIFY(QDir(QString::fromStdString(m_sandbox->programDir)).entryList({QStringLiteral("*.csv")}).isEmpty());

        m_sandbox = std::make_unique<Sandbox>();
        QVERIFY(!Action(&start(0), "mnuExport")->isEnabled());
    }

    void aFileThatCannotBeWrittenIsReported()
    {
        TfrmMain &w = start();
        w.selectNode(tree().findByName("Beta"));
        m_prompter->saveFiles.enqueue(out("no/such/folder/beta.csv"));
        QVERIFY(WithExportDialog([&] { exportNow(); }, [](TfrmExport &) {}));
        const QList<QueuedPrompter::Call> messages = m_prompter->messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, QMessageBox::Critical);
        QVERIFY2(messages[0].text.contains(QStringLiteral("no/such/folder/beta.csv")), qPrintable(messages[0].text));
    }

    void helpOnF1()
    {
        TfrmExport d;
        d.setChoices(QStringLiteral("Alpha"), 1);
        QCOMPARE(HelpPageOnF1(d).fileName(), QStringLiteral("topic10.html"));
    }
};

QTEST_MAIN(ExportCommandTest)
#include "ExportCommand_test.moc"
