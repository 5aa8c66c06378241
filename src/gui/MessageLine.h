#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

class QColor;
class QLabel;
class QPalette;
class QLineEdit;
class QWidget;

namespace rkm {

// A dark red on a light window, a light red on a dark one: a warning's text
// readable on either.
QColor WarningColour(const QPalette &palette);

// The line under a dialog's fields. When OK is refused it says why, beside
// the warning beep (a beep alone tells nothing); while a text that a listing
// holds is being typed, it says how much room is left for it. It works on a
// label of the dialog's form (`lblMessage`), and shows every text plain.
class MessageLine final : public QObject {
    Q_OBJECT

public:
    explicit MessageLine(QLabel *label);

    // A box whose text a listing holds: while it has the focus or is typed
    // in, the line shows the room left. `what` names the text in messages
    // ("Description"); `storedBytes` gives the size the text would be stored
    // with (the bytes it came with while unchanged). `warning`, when given,
    // tells of a text that is taken but not refused (a name another listing
    // has): while it says something, the line shows that instead of the room.
    void watchRoom(QLineEdit *edit, const QString &what, std::function<std::size_t()> storedBytes,
                   std::function<QString()> warning = {});
    // A box whose edits take a refusal away.
    void watch(QLineEdit *edit);

    // Refuses OK: the warning beep, and the reason on the line until the
    // next edit.
    void refuse(const QString &reason);
    // When a watched text is longer than a listing holds, refuses OK with
    // the first such text's reason and answers false.
    bool checkRoom();
    void clear();

    // The text on the line, and whether it is a refusal.
    QString text() const { return m_text; }
    bool refused() const { return m_refused; }

    // The reason a text of `bytes` is refused.
    static QString tooLong(const QString &what, std::size_t bytes);
    // The warning that another listing has the name typed.
    static QString nameTaken(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Room {
        QLineEdit *edit;
        QWidget *focus;
        QString what;
        std::function<std::size_t()> bytes;
        std::function<QString()> warning;
    };
    void showRoom(const Room &room);
    void show(const QString &text, bool warning);

    QLabel *m_label;
    std::vector<Room> m_rooms;
    QString m_text;
    bool m_refused = false;
};

} // namespace rkm
