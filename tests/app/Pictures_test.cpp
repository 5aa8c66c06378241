// View > Pictures and the file properties' picture and fingerprint, over a
// listing whose store holds what was read of its files.
#include "scan/ui/ScanUiSupport.h"

#include "app/PictureView.h"
#include "catalog/Contents.h"
#include "search/ui/Frmlistproperties.h"
#include "service/Settings.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

using namespace rkm;
using namespace rkm::test;

namespace {

// A JPEG of `width` × `height` pixels, a gradient with a red square.
std::string Jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(image.rect(), gradient);
    painter.fillRect(width / 4, height / 4, width / 2, height / 2, Qt::red);
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return buffer.data().toStdString();
}

const Fingerprint kPrint{0x0123456789abcdefULL, 0xfedcba9876543210ULL};

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<World> m_world;
    TfrmMain *m_main = nullptr;
    TreeNode *m_disk = nullptr;

    int rowOf(const char *name) const
    {
        return m_main->gridModel()->rowOf(FileIndex(m_disk->disk(), name));
    }

private slots:
    void init()
    {
        m_world = std::make_unique<World>();
        m_world->MakeDisk({"notes.txt", "other.txt"});
        WriteBytes(m_world->disk + "/photo.jpg", Jpeg(640, 400));
        m_main = &m_world->Open();
        m_main->resize(900, 600);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        // Only the photo has a picture; it and notes.txt have fingerprints.
        const ContentRecords records{{"photo.jpg", 0, 0, kPrint, Jpeg(256, 160)},
                                     {"notes.txt", 9, 0, Fingerprint{1, 2}, {}}};
        m_disk = m_world->store->AddListing(ScanDisk(m_world->disk, "Photos", ""), {}, {},
                                            std::make_shared<MemoryContents>(records));
        m_main->selectNode(m_disk);
    }
    void cleanup() { m_world.reset(); }

    void picturesShowInTheGridsPlaceAndAreRemembered()
    {
        PictureView &view = *m_main->pictureView();
        QVERIFY(!m_main->showsPictures());
        TriggerAction(*m_main, "mnuPictures");
        QVERIFY(m_main->showsPictures());
        QVERIFY(view.isVisible());
        QVERIFY(!Grid(*m_main)->isVisible());

        // A file with a picture shows it, as many pixels as the screen has
        // in its square; one without shows its file-type icon.
        const QPixmap photo = view.pictureOfRow(rowOf("photo.jpg"));
        QVERIFY(!photo.isNull());
        const qreal ratio = std::max(view.devicePixelRatioF(), 1.0);
        QCOMPARE(photo.devicePixelRatio(), ratio);
        QCOMPARE(std::max(photo.width(), photo.height()), std::min(256, int(PictureView::PICTURE_SIZE * ratio)));
        QCOMPARE(photo.toImage().pixelColor(photo.width() / 2, photo.height() / 2).red() > 200, true);
        QVERIFY(view.pictureOfRow(rowOf("notes.txt")).isNull());
        QVERIFY(!view.iconOfRow(rowOf("notes.txt")).isNull());
        // Read once, then kept.
        const int read = view.picturesRead();
        view.pictureOfRow(rowOf("photo.jpg"));
        QCOMPARE(view.picturesRead(), read);

        // Choosing a file there chooses it for the grid's commands too.
        view.setCurrentIndex(m_main->gridModel()->index(rowOf("photo.jpg"), 0));
        QCOMPARE(m_main->gridEntryIndex(), FileIndex(m_disk->disk(), "photo.jpg"));

        m_main->close();
        m_world->main.reset();
        TfrmMain &again = m_world->Open();
        QVERIFY(again.showsPictures());
        QVERIFY(Action(&again, "mnuPictures")->isChecked());
        TriggerAction(again, "mnuPictures");
        QVERIFY(!again.showsPictures());
    }

    void propertiesShowThePictureAndTheFingerprint_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("fingerprint");
        QTest::addColumn<bool>("byKey"); // Enter, else a double click
        QTest::newRow("photo") << "photo.jpg" << true << QString::fromStdString(FingerprintText(kPrint)) << false;
        QTest::newRow("fingerprint only") << "notes.txt" << false << "00000000000000020000000000000001" << false;
        QTest::newRow("nothing kept") << "other.txt" << false << "" << true;
    }
    void propertiesShowThePictureAndTheFingerprint()
    {
        QFETCH(QString, file);
        QFETCH(bool, picture);
        QFETCH(QString, fingerprint);
        QFETCH(bool, byKey);
        TriggerAction(*m_main, "mnuPictures");
        PictureView &view = *m_main->pictureView();
        const QModelIndex index = m_main->gridModel()->index(rowOf(file.toUtf8().constData()), 0);
        view.scrollTo(index);
        const QPoint at = view.visualRect(index).center();
        QVERIFY(WithDialog<TfrmListProperties>(
            [&] {
                QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
                if (byKey)
                    QTest::keyClick(&view, Qt::Key_Return);
                else
                    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
            },
            [&](TfrmListProperties &d) {
                QCOMPARE(Find<QLabel>(&d, "lblFilename")->text(), file);
                const QLabel *shown = Find<QLabel>(&d, "lblPicture");
                QCOMPARE(shown->isVisibleTo(&d), picture);
                QCOMPARE(!shown->pixmap().isNull(), picture);
                QCOMPARE(Find<QLabel>(&d, "lblFingerprint")->text(), fingerprint);
                QCOMPARE(Find<QLabel>(&d, "lblFingerprint")->isVisibleTo(&d), !fingerprint.isEmpty());
                Find<QPushButton>(&d, "CancelBtn")->click();
            }));
        TriggerAction(*m_main, "mnuPictures");
    }
};

QTEST_MAIN(PicturesTest)
#include "Pictures_test.moc"
