// The shape of the scan commands' dialogs: captions, tab order, the buttons
// that Enter and Esc press.
#include "ScanUiSupport.h"

#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmprops.h"
#include "scan/ui/Formrename.h"

using namespace rkm;
using namespace rkm::test;

class ScanDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void shape_data();
    void shape();
};

namespace {

using Maker = std::function<std::unique_ptr<QDialog>()>;

// The controls that Tab visits, in order, starting at `first`.
QStringList TabOrder(QDialog *dlg, QWidget *first)
{
    QStringList order;
    QWidget *w = first;
    do {
        if (w->window() == dlg && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(dlg) && w->isEnabled())
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != first && order.size() < 50);
    return order;
}

} // namespace

Q_DECLARE_METATYPE(Maker)

void ScanDialogsTest::shape_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("tabOrder");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<bool>("escCancels");
    QTest::addColumn<QString>("firstFocus");

    QTest::newRow("Add new listing") << Maker([] { return std::make_unique<TfrmAddNew>(); })
                                     << "Add new listing"
                                     << QStringList{"txtFolder", "cmdBrowse", "txtDescription", "txtComment",
                                                    "chkArchives", "chkDescriptions", "chkTags", "chkFingerprints",
                                                    "chkPictures", "cmdOK", "cmdCancel"}
                                     << "cmdOK" << true << "txtFolder";
    QTest::newRow("Rename disk") << Maker([] { return std::make_unique<TFormRename>(); }) << "Rename disk"
                                 << QStringList{"txtName", "cmdOK", "cmdCancel"} << "cmdOK" << true << "txtName";
    QTest::newRow("Properties") << Maker([] {
        // Shown for the root folder, which is always on a volume present.
        static std::unique_ptr<TreeNode> disk = MakeDiskNode("System");
        disk->disk().RootPath.assign(1, '/');
        auto dlg = std::make_unique<TfrmProps>();
        dlg->SetPropsNode(disk.get());
        dlg->FormShow();
        return dlg;
    }) << "Properties for System"
                                << QStringList{"txtComment", "txtLocation", "txtLentTo", "cboOnMount", "m_pDrive",
                                               "chkArchives", "chkDescriptions", "chkTags", "chkFingerprints",
                                               "chkPictures", "OKBtn", "CancelBtn"}
                                << "OKBtn" << true
                                << "txtComment";
}

void ScanDialogsTest::shape()
{
    QFETCH(Maker, make);
    QFETCH(QString, caption);
    QFETCH(QStringList, tabOrder);
    QFETCH(QString, defaultButton);
    QFETCH(bool, escCancels);
    QFETCH(QString, firstFocus);
    QueuedPrompter p;
    std::unique_ptr<QDialog> dlg = make();
    QCOMPARE(dlg->windowTitle(), caption);
    QVERIFY(!(dlg->windowFlags() & Qt::WindowContextHelpButtonHint));

    dlg->show();
    QCOMPARE(TabOrder(dlg.get(), Find<QWidget>(dlg.get(), qPrintable(tabOrder.first()))), tabOrder);

    // Only one button is pressed by Enter.
    for (QPushButton *b : dlg->findChildren<QPushButton *>()) {
        QVERIFY2(b->isDefault() == (b->objectName() == defaultButton), qPrintable(b->objectName()));
        QVERIFY2(b->isDefault() || !b->autoDefault(), qPrintable(b->objectName()));
    }

    QApplication::setActiveWindow(dlg.get());
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), firstFocus);
    dlg->setResult(-1);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    QCOMPARE(dlg->isVisible(), !escCancels);
    QCOMPARE(dlg->result(), escCancels ? int(QDialog::Rejected) : -1);
    QCOMPARE(p.messages().size(), 0);
}

QTEST_MAIN(ScanDialogsTest)
#include "ScanDialogs_test.moc"
