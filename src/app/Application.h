#pragma once

#include <QApplication>

namespace rkm {

// The application object: an error that escapes a command's handler reaches
// the general error report ("Rackmere V1.0") and the program carries on.
class RackmereApplication final : public QApplication {
    Q_OBJECT

public:
    RackmereApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace rkm
