#include "gui/MessageLine.h"

#include "catalog/ListingFile.h"
#include "gui/Prompter.h"

#include <algorithm>
#include <climits>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace rkm {

QColor WarningColour(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(0xff, 0x8a, 0x80) : QColor(0xb0, 0x00, 0x20);
}

MessageLine::MessageLine(QLabel *label) : QObject(label), m_label(label)
{
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    // The line takes the width the fields give it and wraps within it; a
    // long path never widens the dialog.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    m_label->setSizePolicy(policy);
    m_label->setMinimumHeight(m_label->fontMetrics().height());
    m_label->clear();
}

void MessageLine::watchRoom(QLineEdit *edit, const QString &what, std::function<std::size_t()> storedBytes,
                            std::function<QString()> warning)
{
    // The widget that takes the focus for the box: the box, or the combo
    // box it is the editor of.
    QWidget *focus = edit;
    while (focus->focusProxy())
        focus = focus->focusProxy();
    m_rooms.push_back(Room{edit, focus, what, std::move(storedBytes), std::move(warning)});
    focus->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this, edit, focus] {
        // The box being worked in (the dialog's focus, active or not); a
        // refusal stays until the user edits.
        if (m_refused || focus->window()->focusWidget() != focus)
            return;
        for (const Room &r : m_rooms)
            if (r.edit == edit)
                showRoom(r);
    });
    watch(edit);
}

void MessageLine::watch(QLineEdit *edit)
{
    connect(edit, &QLineEdit::textEdited, this, [this, edit] {
        if (!m_refused)
            return;
        m_refused = false;
        for (const Room &r : m_rooms)
            if (r.edit == edit) {
                showRoom(r);
                return;
            }
        clear();
    });
}

bool MessageLine::eventFilter(QObject *watched, QEvent *event)
{
    // A refusal stays until something is changed; moving about does not
    // take it away.
    if (event->type() == QEvent::FocusIn && !m_refused)
        for (const Room &r : m_rooms)
            if (r.focus == watched)
                showRoom(r);
    return QObject::eventFilter(watched, event);
}

void MessageLine::showRoom(const Room &room)
{
    const std::size_t bytes = room.bytes();
    if (bytes > MAX_TEXT_BYTES) {
        show(tooLong(room.what, bytes), true);
        return;
    }
    if (room.warning) {
        if (const QString warning = room.warning(); !warning.isEmpty()) {
            show(warning, true);
            return;
        }
    }
    const std::size_t left = MAX_TEXT_BYTES - bytes;
    show(tr("%1: %L2 of %L3 bytes left").arg(room.what).arg(left).arg(MAX_TEXT_BYTES), false);
}

QString MessageLine::tooLong(const QString &what, std::size_t bytes)
{
    const auto over = static_cast<int>(std::min<std::size_t>(bytes - MAX_TEXT_BYTES, INT_MAX));
    return tr("%1: %Ln bytes too long; a listing holds at most %L2 bytes.", nullptr, over)
        .arg(what)
        .arg(MAX_TEXT_BYTES);
}

QString MessageLine::nameTaken(const QString &name)
{
    return tr("Another listing is already named '%1'; the tree will show each with its listing file.")
        .arg(name);
}

void MessageLine::refuse(const QString &reason)
{
    prompter().beep();
    m_refused = true;
    show(reason, true);
}

bool MessageLine::checkRoom()
{
    for (const Room &r : m_rooms) {
        const std::size_t bytes = r.bytes();
        if (bytes > MAX_TEXT_BYTES) {
            refuse(tooLong(r.what, bytes));
            return false;
        }
    }
    return true;
}

void MessageLine::clear()
{
    m_refused = false;
    show(QString(), false);
}

void MessageLine::show(const QString &text, bool warning)
{
    m_text = text;
    QPalette pal = m_label->palette();
    const QPalette base = m_label->parentWidget() ? m_label->parentWidget()->palette() : pal;
    pal.setColor(QPalette::WindowText,
                 warning ? WarningColour(base) : base.color(QPalette::Active, QPalette::PlaceholderText));
    m_label->setPalette(pal);
    // Paths may break after each slash, so that a long one wraps.
    QString shown = text;
    shown.replace(QLatin1Char('/'), QStringLiteral("/\u200b"));
    m_label->setText(shown);
}

} // namespace rkm
