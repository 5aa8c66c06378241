#pragma once

#include <QWidget>

class QAction;
class QPushButton;

namespace rkm {

// What the file grid's place shows while the catalogue holds no listing: a
// few lines on what Rackmere does and a button that runs Add new. The button
// follows the enabled state of the action it runs (a catalogue open
// read-only cannot take a listing). Its colours are the palette's own.
class WelcomePanel final : public QWidget {
    Q_OBJECT

public:
    explicit WelcomePanel(QAction *addNew, QWidget *parent = nullptr);

private:
    QPushButton *m_add;
};

} // namespace rkm
