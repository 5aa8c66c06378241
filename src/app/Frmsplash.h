#pragma once

#include <QWidget>

class QLabel;

namespace rkm {

// The splash window shown while the catalogue loads: no frame, on top,
// centred, black, with the program's picture and "Loading...".
class TfrmSplash final : public QWidget {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget *owner);

    QLabel *m_pImage16m = nullptr; // high-colour picture
    QLabel *m_pImage256 = nullptr; // 256-colour picture
    QLabel *Label1 = nullptr;

    // Shows the picture that suits a display of `bitsPerPixel`.
    void useColourDepth(int bitsPerPixel);

    // The splash picture of `size` units, drawn at `pixelRatio` pixels per
    // unit; in 256 colours unless `highColour`.
    static QPixmap picture(QSize size, qreal pixelRatio, bool highColour);

    // The least time the splash stays up, in milliseconds (2000). Tests
    // shorten it; the program never changes it.
    static int minimumMilliseconds();
    static void setMinimumMillisecondsForTests(int ms);
};

} // namespace rkm
