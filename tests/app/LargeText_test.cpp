// At 200 % (QT_SCALE_FACTOR=2 on a 1920 x 1080 screen, set by the test's
// environment) the main window and every dialog fit the screen, and no label
// or button is too small for its text once the window is shown at its own
// size.
#include "MainWindowFixture.h"
#include "support/AllDialogs.h"
#include "support/Readability.h"

#include <QScreen>
#include <QTabWidget>

using namespace rkm;
using namespace rkm::test;

class LargeTextTest : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Without the scale the test would pass on any layout.
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        QVERIFY2(screen == QSize(960, 540),
                 qPrintable(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height())));
    }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void mainWindow()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        w.selectNode(folder("Alpha", "Docs"));
        QWidget *offer = Find<QWidget>(&w, "pnlMountOffer");
        offer->show();
        QCoreApplication::processEvents();
        const QSize least = w.minimumSizeHint().expandedTo(w.minimumSize());
        QVERIFY2(least.width() <= 960 && least.height() <= 540,
                 qPrintable(QStringLiteral("needs %1x%2").arg(least.width()).arg(least.height())));
        w.resize(960, 540);
        QCoreApplication::processEvents();
        const QStringList cut = CutTexts(&w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    void everyDialogFitsAndShowsItsTexts()
    {
        QStringList faults;
        AllDialogs all;
        for (const auto &[name, make] : all.makers()) {
            std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            QVERIFY2(QTest::qWaitForWindowExposed(dialog.get()), qPrintable(name));
            QCoreApplication::processEvents();
            // The size it opens at, or the least it can be made.
            QSize fits = dialog->size();
            if (fits.width() > 960 || fits.height() > 540)
                fits = dialog->minimumSizeHint().expandedTo(dialog->minimumSize());
            if (fits.width() > 960 || fits.height() > 540)
                faults << QStringLiteral("%1 needs %2x%3").arg(name).arg(fits.width()).arg(fits.height());
            faults << CutTexts(dialog.get());
            for (QTabWidget *t : dialog->findChildren<QTabWidget *>())
                for (int i = 0; i < t->count(); ++i) {
                    t->setCurrentIndex(i);
                    QCoreApplication::processEvents();
                    faults << CutTexts(dialog.get());
                }
            dialog->reject();
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(LargeTextTest)
#include "LargeText_test.moc"
