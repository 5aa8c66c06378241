// The first minute on a large screen: the window's first size, the welcome
// in the grid's place until the first listing, and the title of a catalogue
// in another folder than the usual one.
#include "MainWindowFixture.h"

#include "app/CatalogTreeModel.h"
#include "app/PictureView.h"
#include "catalog/CatalogStore.h"
#include "scan/ui/Frmaddnew.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

using namespace rkm;
using namespace rkm::test;

class FirstMinuteTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void welcomeUntilTheFirstListingAndAfterTheLast()
    {
        TfrmMain &w = start();
        // A sensible first size on a 1920 x 1080 screen.
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1920, 1080));
        QVERIFY2(w.width() >= 960 && w.height() >= 600,
                 qPrintable(QStringLiteral("%1x%2").arg(w.width()).arg(w.height())));
        auto *welcome = Find<QWidget>(&w, "pnlWelcome");
        auto *add = Find<QPushButton>(welcome, "cmdWelcomeAdd");
        QVERIFY(welcome->isVisible() && !Grid(w)->isVisible());
        QCOMPARE(add->text(), QStringLiteral("Add a d&isk\u2026"));
        QVERIFY(Find<QLabel>(welcome, "lblWelcome")->text().contains("without plugging anything in"));
        const QString shot = QDir::temp().filePath("rackmere-welcome.png");
        QVERIFY(w.grab().save(shot));
        qInfo("welcome screenshot: %s", qPrintable(shot));
        // On a dark palette the words are light on dark.
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Window, QColor(45, 45, 45));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        const QPalette before = w.palette();
        w.setPalette(dark);
        const QImage darkShot = welcome->grab().toImage();
        w.setPalette(before);
        QVERIFY(darkShot.save(QDir::temp().filePath("rackmere-welcome-dark.png")));
        const QLabel *words = Find<QLabel>(welcome, "lblWelcome");
        const QImage wordsShot = darkShot.copy(QRect(words->mapTo(welcome, QPoint(0, 0)), words->size()));
        int lightest = 0;
        for (int y = 0; y < wordsShot.height(); ++y)
            for (int x = 0; x < wordsShot.width(); ++x)
                lightest = std::max(lightest, qGray(wordsShot.pixel(x, y)));
        QCOMPARE(qGray(darkShot.pixel(2, 2)), qGray(QColor(30, 30, 30).rgb()));
        QVERIFY2(lightest > 180, qPrintable(QString::number(lightest)));

        // The button runs Add new; the welcome goes with the first listing.
        const QTemporaryDir disk;
        QVERIFY(QFile(disk.filePath("a.txt")).open(QIODevice::WriteOnly));
        QVERIFY(WithDialog<TfrmAddNew>([&] { add->click(); },
                                       [&](TfrmAddNew &dlg) {
                                           Find<QLineEdit>(&dlg, "txtFolder")->setText(disk.path());
                                           Find<QLineEdit>(&dlg, "txtDescription")->setText("First");
                                           Find<QPushButton>(&dlg, "cmdOK")->click();
                                       }));
        QCOMPARE(m_sandbox->store->Tree().diskCount(), 1);
        QVERIFY(!welcome->isVisible() && Grid(w)->isVisible());
        QCOMPARE(w.gridModel()->entryCount(), 1);

        // With the last listing deleted it comes back, in the grid's place
        // also while View > Pictures is ticked; the choice stays.
        TriggerAction(w, "mnuPictures");
        QVERIFY(w.showsPictures());
        w.selectNode(m_sandbox->store->Tree().disk(0));
        m_prompter->answers.enqueue(QMessageBox::Yes);
        TriggerAction(w, "mnuDelete");
        QCOMPARE(m_sandbox->store->Tree().diskCount(), 0);
        QVERIFY(welcome->isVisible() && !Grid(w)->isVisible() && !w.pictureView()->isVisible());
        QVERIFY(w.showsPictures());
    }

    void welcomeFollowsAddNewsState()
    {
        // A catalogue that takes no listing (read-only) offers no button that fails.
        TfrmMain &w = start();
        QAction *addNew = Action(&w, "Addnew1");
        auto *add = Find<QPushButton>(&w, "cmdWelcomeAdd");
        for (const bool enabled : {false, true}) {
            addNew->setEnabled(enabled);
            QCOMPARE(add->isEnabled(), enabled);
        }
    }

    void titleNamesAFolderOtherThanTheUsualOne()
    {
        // The usual folder is the data folder's Rackmere/; any other is named.
        const QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const std::string usual = data.path().toStdString() + "/Rackmere/";
        const std::string other = data.path().toStdString() + "/Elsewhere/";
        const struct {
            std::string folder;
            QString title;
        } cases[] = {
            {usual, "Rackmere V1.0"},
            {other, QStringLiteral("Rackmere \u2013 ") + data.path() + "/Elsewhere"},
        };
        for (const auto &c : cases) {
            QVERIFY(QDir().mkpath(QString::fromStdString(c.folder)));
            CatalogStore store(c.folder);
            TfrmMain w(store);
            QCOMPARE(w.windowTitle(), c.title);
        }
        qunsetenv("XDG_DATA_HOME");
    }
};

int main(int argc, char **argv)
{
    // A screen of 1920 x 1080, where a first window of 960 x 600 fits.
    QTemporaryDir config;
    const QString file = config.filePath("screens.json");
    QFile json(file);
    if (!json.open(QIODevice::WriteOnly) ||
        json.write(R"({"screens": [{"name": "Wide", "x": 0, "y": 0, "width": 1920, "height": 1080,
                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    json.close();
    qputenv("QT_QPA_PLATFORM", QFile::encodeName("offscreen:configfile=" + file));
    QApplication app(argc, argv);
    FirstMinuteTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FirstMinute_test.moc"
