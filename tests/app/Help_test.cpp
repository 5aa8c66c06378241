#include "gui/Help.h"
#include "service/Language.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

using namespace rkm;
using namespace rkm::test;

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { CloseHelp(); QCoreApplication::processEvents(); }

    void everyTopicHasItsPage_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("mustMention");
        QTest::newRow("contents") << int(HELP_CONTENTS) << "contents.html" << "Contents";
        QTest::newRow("main window") << int(HELP_MAIN_WINDOW) << "topic1.html" << "items listed";
        QTest::newRow("add new listing") << int(HELP_ADD_NEW) << "topic3.html" << "Drive / folder:";
        QTest::newRow("search") << int(HELP_SEARCH) << "topic4.html" << "Only in this category:";
        QTest::newRow("print options") << int(HELP_PRINT_OPTIONS) << "topic5.html" << "Print CD back cover";
        QTest::newRow("file properties") << int(HELP_FILE_PROPERTIES) << "topic8.html" << "Launch file";
        QTest::newRow("listing properties") << int(HELP_LISTING_PROPERTIES) << "topic9.html" << "Root drive:";
        QTest::newRow("unknown number") << 77 << "contents.html" << "Contents";
    }
    void everyTopicHasItsPage()
    {
        QFETCH(int, context);
        QFETCH(QString, page);
        QFETCH(QString, mustMention);
        ShowHelp(nullptr, context);
        QTextBrowser *b = HelpBrowser();
        QVERIFY(b);
        QVERIFY(HelpWindow()->isVisible());
        QCOMPARE(b->source().fileName(), page);
        QVERIFY2(b->toPlainText().contains(mustMention), qPrintable(b->toPlainText().left(200)));
        QVERIFY(!b->documentTitle().isEmpty());
    }

    // Every page links to pages of its own language's folder, and each
    // language has every page the English help has.
    void everyLinkBetweenPagesLeadsToAPage()
    {
        QDirIterator it(":/help", {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
        QMap<QString, QStringList> pagesOf;
        while (it.hasNext()) {
            const QString path = it.next();
            const QFileInfo page(path);
            pagesOf[page.path()] << page.fileName();
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(f.readAll());
            QRegularExpression href("href=\"([^\"#:]+)(#[^\"]*)?\"");
            for (auto m = href.globalMatch(html); m.hasNext();) {
                const QString target = QDir::cleanPath(page.path() + '/' + m.next().captured(1));
                QVERIFY2(QFile::exists(target), qPrintable(path + " links to " + target));
            }
        }
        QVERIFY(pagesOf.value(":/help").size() >= 12);
        QVERIFY(pagesOf.size() >= 4);
        for (auto &pages : pagesOf)
            pages.sort();
        for (auto lang = pagesOf.cbegin(); lang != pagesOf.cend(); ++lang)
            QCOMPARE(lang.value(), pagesOf.value(":/help"));
    }

    void theHelpIsInTheLanguageShown()
    {
        InstallTranslations("de");
        ShowHelp(nullptr, HELP_SEARCH);
        const QString german = HelpBrowser()->source().path();
        const QString title = HelpWindow()->windowTitle();
        InstallTranslations("en");
        ShowHelp(nullptr, HELP_SEARCH);
        QCOMPARE(german, QStringLiteral("/help/de/topic4.html"));
        QCOMPARE(HelpBrowser()->source().path(), QStringLiteral("/help/topic4.html"));
        QVERIFY2(title != HelpWindow()->windowTitle(), qPrintable(title));
    }

    void f1AndHelpTopicsInTheMainWindow()
    {
        QueuedPrompter prompter;
        Sandbox sandbox;
        TfrmMain &w = sandbox.Open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(HelpBrowser());
        QCOMPARE(HelpBrowser()->source().fileName(), QStringLiteral("topic1.html"));
        Action(&w, "mnuHelpTopics")->trigger();
        QCOMPARE(HelpBrowser()->source().fileName(), QStringLiteral("contents.html"));
        // Closing the main window closes the help too.
        w.close();
        QTRY_VERIFY(!HelpWindow() || !HelpWindow()->isVisible());
    }

    void helpFromAModalDialogIsUsable()
    {
        QDialog dialog;
        SetHelpContext(&dialog, HELP_SEARCH);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        QVERIFY(HelpWindow());
        QCOMPARE(HelpBrowser()->source().fileName(), QStringLiteral("topic4.html"));
        // A modal dialog blocks every window but its own: the help belongs to it.
        QCOMPARE(HelpWindow()->window()->parentWidget(), &dialog);
        dialog.close();
    }

};

QTEST_MAIN(HelpTest)
#include "Help_test.moc"
