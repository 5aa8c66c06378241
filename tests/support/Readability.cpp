#include "support/Readability.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace rkm::test {

namespace {

double Luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor Over(const QColor &top, const QColor &behind)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(static_cast<float>(top.redF() * a + behind.redF() * (1 - a)),
                            static_cast<float>(top.greenF() * a + behind.greenF() * (1 - a)),
                            static_cast<float>(top.blueF() * a + behind.blueF() * (1 - a)));
}

QString NameOf(const QObject *o)
{
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

// What is drawn behind a control that does not fill its own background: the
// background of the nearest one below it that does, else of the window.
QColor BehindOf(const QWidget *w)
{
    for (const QWidget *up = w; up; up = up->parentWidget())
        if (up->autoFillBackground() || up->isWindow())
            return up->palette().color(QPalette::Active, up->backgroundRole());
    return w->palette().color(QPalette::Active, QPalette::Window);
}

void Check(QStringList &out, const QString &who, const QString &text, const QColor &fg, const QColor &bg)
{
    const QColor behind = Over(bg, Qt::white);
    const double ratio = ContrastRatio(fg, behind);
    if (ratio < 4.5)
        out << QStringLiteral("%1: \"%2\" %3 on %4 (%5)")
                   .arg(who, text.left(40), Over(fg, behind).name(), behind.name())
                   .arg(ratio, 0, 'f', 2);
}

// The colours an item model gives its items, against the view's.
void CheckModel(QStringList &out, const QString &who, const QAbstractItemView *view)
{
    const QAbstractItemModel *m = view->model();
    if (!m)
        return;
    const QPalette p = view->palette();
    const int rows = std::min(m->rowCount(), 200);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < m->columnCount(); ++c) {
            const QModelIndex i = m->index(r, c);
            const QVariant fg = i.data(Qt::ForegroundRole), bg = i.data(Qt::BackgroundRole);
            if (!fg.isValid() && !bg.isValid())
                continue;
            const QColor text = fg.isValid() ? fg.value<QBrush>().color() : p.color(QPalette::Active, QPalette::Text);
            const QColor base = bg.isValid() ? bg.value<QBrush>().color() : p.color(QPalette::Active, QPalette::Base);
            Check(out, QStringLiteral("%1 row %2 column %3").arg(who).arg(r).arg(c), i.data().toString(), text,
                  Over(base, p.color(QPalette::Active, QPalette::Base)));
        }
}

} // namespace

double ContrastRatio(const QColor &text, const QColor &behind)
{
    const double a = Luminance(Over(text, behind)), b = Luminance(behind);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QStringList UnreadableTexts(QWidget *window)
{
    QStringList out;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (!w->isVisible() || !w->isEnabled())
            continue;
        const QPalette p = w->palette();
        const QString who = NameOf(w->window()) + "/" + NameOf(w);
        const auto role = [&p](QPalette::ColorRole r) { return p.color(QPalette::Active, r); };
        if (const auto *l = qobject_cast<const QLabel *>(w); l && !l->text().isEmpty()) {
            Check(out, who, l->text(), role(l->foregroundRole()),
                  l->autoFillBackground() ? role(l->backgroundRole()) : BehindOf(l));
        } else if (const auto *b = qobject_cast<const QAbstractButton *>(w); b && !b->text().isEmpty()) {
            Check(out, who, b->text(), role(b->foregroundRole()),
                  b->autoFillBackground() ? role(b->backgroundRole()) : role(QPalette::Button));
        } else if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QTextEdit *>(w) ||
                   qobject_cast<const QPlainTextEdit *>(w)) {
            Check(out, who, QStringLiteral("text"), role(QPalette::Text), role(QPalette::Base));
            Check(out, who, QStringLiteral("placeholder"), role(QPalette::PlaceholderText), role(QPalette::Base));
        } else if (const auto *v = qobject_cast<const QAbstractItemView *>(w)) {
            Check(out, who, QStringLiteral("items"), role(QPalette::Text), role(QPalette::Base));
            Check(out, who, QStringLiteral("selected items"), role(QPalette::HighlightedText),
                  role(QPalette::Highlight));
            CheckModel(out, who, v);
        }
    }
    return out;
}

QStringList CutTexts(QWidget *window)
{
    QStringList out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        QString text;
        QSize needs;
        bool widthIgnored = false;
        if (const auto *l = qobject_cast<const QLabel *>(w); l && !l->text().isEmpty()) {
            text = l->text();
            widthIgnored = l->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
            needs = l->wordWrap() ? QSize(l->minimumSizeHint().width(), l->heightForWidth(l->width()))
                                  : l->minimumSizeHint();
        } else if (const auto *p = qobject_cast<const QPushButton *>(w); p && !p->text().isEmpty()) {
            // The text and the button's margins and frame; not the width
            // the style gives a short caption for looks.
            text = p->text();
            const QSize t = p->fontMetrics().size(Qt::TextShowMnemonic, text);
            const int frame = 2 * p->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, p);
            const int icon = p->icon().isNull() ? 0 : p->iconSize().width() + 4;
            needs = QSize(t.width() + icon + p->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, p) + frame,
                          t.height() + frame);
        } else if (const auto *b = qobject_cast<const QAbstractButton *>(w); b && !b->text().isEmpty()) {
            text = b->text();
            needs = b->minimumSizeHint();
        } else {
            continue;
        }
        const QSize has = w->size();
        if ((!widthIgnored && has.width() < needs.width()) || has.height() < needs.height())
            out << QStringLiteral("%1/%2: \"%3\" (has %4x%5, needs %6x%7)")
                       .arg(NameOf(window), NameOf(w), text.left(40))
                       .arg(has.width())
                       .arg(has.height())
                       .arg(needs.width())
                       .arg(needs.height());
    }
    return out;
}

} // namespace rkm::test
