// View > Pictures and the file properties' picture and fingerprint, over a
// listing whose store holds what was read of its files.
#include "scan/ui/ScanUiSupport.h"

#include "app/PictureView.h"
#include "catalog/Contents.h"
#include "search/ui/Frmlistproperties.h"

#include <QBuffer>
#include <QImage>

using namespace rkm;
using namespace rkm::test;

namespace {

// A JPEG of `width` × `height` blue pixels with a red middle.
std::string Jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    for (int y = height / 4; y < height * 3 / 4; ++y)
        for (int x = width / 4; x < width * 3 / 4; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
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

    QModelIndex indexOf(const QString &name) const
    {
        const int row = m_main->gridModel()->rowOf(FileIndex(m_disk->disk(), name.toStdString()));
        return m_main->gridModel()->index(row, 0);
    }

private slots:
    void init()
    {
        m_world = std::make_unique<World>();
        m_world->MakeDisk({"notes.txt", "other.txt", "photo.jpg"});
        m_main = &m_world->Open();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        // Only the photo has a picture; it and notes.txt have fingerprints.
        const ContentRecords records{{"photo.jpg", 0, 0, kPrint, Jpeg(256, 160)},
                                     {"notes.txt", 9, 0, Fingerprint{1, 2}, {}}};
        m_disk = m_world->store->AddListing(ScanDisk(m_world->disk, "Photos", ""), {}, {},
                                            std::make_shared<MemoryContents>(records));
        m_main->selectNode(m_disk);
        TriggerAction(*m_main, "mnuPictures");
    }
    void cleanup() { m_world.reset(); }

    void picturesShowInTheGridsPlaceAndAreRemembered()
    {
        PictureView &view = *m_main->pictureView();
        QVERIFY(m_main->showsPictures() && view.isVisible() && !Grid(*m_main)->isVisible());
        // A file with a picture shows it with as many pixels as the screen
        // has for its square; one without shows its file-type icon.
        const QPixmap photo = view.pictureOfRow(indexOf("photo.jpg").row());
        const qreal ratio = std::max(view.devicePixelRatioF(), 1.0);
        QCOMPARE(photo.devicePixelRatio(), ratio);
        QCOMPARE(photo.width(), std::min(256, int(PictureView::PICTURE_SIZE * ratio)));
        QVERIFY(photo.toImage().pixelColor(photo.width() / 2, photo.height() / 2).red() > 200);
        QVERIFY(view.pictureOfRow(indexOf("notes.txt").row()).isNull());
        QVERIFY(!view.iconOfRow(indexOf("notes.txt").row()).isNull());
        // Read once, then kept.
        const int read = view.picturesRead();
        view.pictureOfRow(indexOf("photo.jpg").row());
        QCOMPARE(view.picturesRead(), read);
        // Choosing a file there chooses it for the grid's commands too.
        view.setCurrentIndex(indexOf("photo.jpg"));
        QCOMPARE(m_main->gridEntryIndex(), FileIndex(m_disk->disk(), "photo.jpg"));

        m_main->close();
        m_world->main.reset();
        TfrmMain &again = m_world->Open();
        QVERIFY(again.showsPictures() && Action(&again, "mnuPictures")->isChecked());
    }

    void propertiesShowThePictureAndTheFingerprint_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("fingerprint");
        QTest::addColumn<bool>("byKey"); // Enter, else a double click
        QTest::newRow("photo") << "photo.jpg" << true << "fedcba98765432100123456789abcdef" << false;
        QTest::newRow("fingerprint only") << "notes.txt" << false << "00000000000000020000000000000001" << false;
        QTest::newRow("nothing kept") << "other.txt" << false << "" << true;
    }
    void propertiesShowThePictureAndTheFingerprint()
    {
        QFETCH(QString, file);
        QFETCH(bool, picture);
        QFETCH(QString, fingerprint);
        QFETCH(bool, byKey);
        PictureView &view = *m_main->pictureView();
        const QPoint at = view.visualRect(indexOf(file)).center();
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
                QCOMPARE(Find<QLabel>(&d, "lblPicture")->isVisibleTo(&d), picture);
                QCOMPARE(!Find<QLabel>(&d, "lblPicture")->pixmap().isNull(), picture);
                QCOMPARE(Find<QLabel>(&d, "lblFingerprint")->text(), fingerprint);
                QCOMPARE(Find<QLabel>(&d, "lblFingerprint")->isVisibleTo(&d), !fingerprint.isEmpty());
                Find<QPushButton>(&d, "CancelBtn")->click();
            }));
    }
};

QTEST_MAIN(PicturesTest)
#include "Pictures_test.moc"
