// On a dark high-contrast palette every text of the main window and of every
// dialog stands out from what is behind it: nothing is drawn in a fixed
// colour meant for a light window.
#include "MainWindowFixture.h"
#include "support/AllDialogs.h"
#include "support/Readability.h"

#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace rkm;
using namespace rkm::test;

namespace {

QPalette DarkHighContrast()
{
    QPalette p(Qt::white, Qt::black, QColor(0x60, 0x60, 0x60), QColor(0x30, 0x30, 0x30), QColor(0x40, 0x40, 0x40),
               Qt::white, Qt::yellow, Qt::black, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::Highlight, QColor(0x00, 0xff, 0xff));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::ToolTipBase, Qt::black);
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0xc0, 0xc0, 0xc0));
    p.setColor(QPalette::Link, QColor(0x80, 0xc0, 0xff));
    return p;
}

// Leaves a picture of `w` where RACKMERE_SCREENSHOTS names a folder, to look at.
void Shoot(QWidget *w, const QString &name)
{
    const QString folder = qEnvironmentVariable("RACKMERE_SCREENSHOTS");
    if (!folder.isEmpty())
        w->grab().save(QDir(folder).filePath(name + ".png"));
}

} // namespace

class DarkPaletteTest : public QObject, MainWindowFixture {
    Q_OBJECT

    QStringList m_faults;

    void look(QWidget *window, const QString &name)
    {
        QCoreApplication::processEvents();
        m_faults << UnreadableTexts(window);
        Shoot(window, name);
        for (QTabWidget *t : window->findChildren<QTabWidget *>())
            for (int i = 0; i < t->count(); ++i) {
                t->setCurrentIndex(i);
                m_faults << UnreadableTexts(window);
            }
    }

private slots:
    void initTestCase() { QApplication::setPalette(DarkHighContrast()); }
    void init()
    {
        setUp();
        m_faults.clear();
    }
    void cleanup() { tearDown(); }

    void mainWindowWithTheWelcome()
    {
        TfrmMain &w = start();
        QVERIFY(Find<QWidget>(&w, "pnlWelcome")->isVisible());
        look(&w, "main-welcome");
        m_faults.removeDuplicates();
        QVERIFY2(m_faults.isEmpty(), qPrintable(m_faults.join('\n')));
    }

    void mainWindowWithAListing()
    {
        writeTwoDisks();
        TfrmMain &w = start();
        w.selectNode(folder("Alpha", "Docs"));
        Grid(w)->selectRow(1);
        // The offer of a mounted disk, shown as a mount brings it.
        QWidget *offer = Find<QWidget>(&w, "pnlMountOffer");
        offer->show();
        for (QWidget *child : offer->findChildren<QWidget *>())
            child->show();
        // The result panels, with the matches of a search.
        for (QDockWidget *panel : w.findChildren<QDockWidget *>())
            panel->show();
        // A query with a fault says where, in a warning's colour.
        QTest::keyClicks(Find<QLineEdit>(&w, "txtQuickSearch"), "size:>");
        QTRY_VERIFY(Find<QLabel>(&w, "lblQueryError")->isVisible());
        look(&w, "main-listing");
        m_faults.removeDuplicates();
        QVERIFY2(m_faults.isEmpty(), qPrintable(m_faults.join('\n')));
    }

    void everyDialog()
    {
        AllDialogs all;
        for (const auto &[name, make] : all.makers()) {
            std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            QVERIFY2(QTest::qWaitForWindowExposed(dialog.get()), qPrintable(name));
            look(dialog.get(), "dialog-" + QString(name).remove("rkm::"));
            dialog->reject();
        }
        m_faults.removeDuplicates();
        QVERIFY2(m_faults.isEmpty(), qPrintable(m_faults.join('\n')));
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "DarkPalette_test.moc"
