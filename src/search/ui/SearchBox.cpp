#include "search/ui/SearchBox.h"

#include "gui/MessageLine.h"
#include "search/Query.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QTimer>

namespace rkm {

namespace {

int g_quietMs = 5;
int g_settleMs = 1500;

} // namespace

void SearchBox::setDelaysForTests(int quietMs, int settleMs)
{
    g_quietMs = quietMs;
    g_settleMs = settleMs;
}

SearchBox::SearchBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SearchBox"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("txtQuickSearch"));
    m_edit->setAccessibleName(tr("Search names"));
    m_edit->setPlaceholderText(tr("Search names (Ctrl+K)"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setToolTip(tr("Words that must all occur in a name; \"a phrase\", * and ?, OR, NOT, "
                          "( ), and fields such as ext:mp3, size:>10MB, date:2019, type:folder. "
                          "Enter shows the first match, Esc empties the box, Down shows the "
                          "queries used last."));
    m_edit->installEventFilter(this);
    m_edit->setMinimumWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("x")) * 30);
    layout->addWidget(m_edit, 3);
    m_error = new QLabel;
    m_error->setObjectName(QStringLiteral("lblQueryError"));
    m_error->setTextFormat(Qt::PlainText);
    // A long reason is cut at the right (whole in its tooltip): the box
    // keeps its width.
    m_error->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_error->hide();
    layout->addWidget(m_error, 2);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("lblQueryCount"));
    m_count->setTextFormat(Qt::PlainText);
    layout->addWidget(m_count, 1);

    m_historyModel = new QStringListModel(this);
    m_completer = new QCompleter(m_historyModel, this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setFilterMode(Qt::MatchContains);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_edit->setCompleter(m_completer);

    m_quiet = new QTimer(this);
    m_quiet->setSingleShot(true);
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        m_settle->stop();
        m_quiet->start(g_quietMs);
    });
    connect(m_quiet, &QTimer::timeout, this, [this] { evaluate(); });
    // A query the user let run for a moment is one worth offering again.
    connect(m_settle, &QTimer::timeout, this, [this] {
        if (!m_running.isEmpty())
            remember(m_running);
    });
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        m_quiet->stop();
        if (!evaluate())
            return;
        m_settle->stop();
        remember(m_running);
        emit queryConfirmed(m_running);
    });
}

QString SearchBox::text() const
{
    return m_edit->text();
}

void SearchBox::runText(const QString &text)
{
    m_edit->setText(text);
    m_quiet->stop();
    m_running.clear(); // runs again, also when it is the query running
    evaluate();
}

void SearchBox::focusBox()
{
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

bool SearchBox::evaluate()
{
    const QString text = m_edit->text();
    if (text.trimmed().isEmpty()) {
        m_error->hide();
        m_error->clear();
        m_count->clear();
        m_settle->stop();
        if (!m_running.isEmpty()) {
            m_running.clear();
            emit queryCleared();
        }
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    QueryError error;
    if (!Query::Parse(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error)) {
        // The place is told in characters, counted from 1.
        const auto at = static_cast<qsizetype>(std::min<std::size_t>(error.position,
                                                                     static_cast<std::size_t>(bytes.size())));
        const qsizetype column = QString::fromUtf8(bytes.left(at)).size() + 1;
        m_error->setText(tr("At character %1: %2").arg(column).arg(QString::fromStdString(error.reason)));
        m_error->setToolTip(m_error->text());
        // In a warning's colour for the palette of now, light on a dark one.
        QPalette red = palette();
        red.setColor(QPalette::WindowText, WarningColour(red));
        m_error->setPalette(red);
        m_error->show();
        m_count->clear();
        m_settle->stop();
        return false;
    }
    m_error->hide();
    m_error->clear();
    if (text != m_running) {
        m_running = text;
        emit queryChanged(text);
    }
    m_settle->start(g_settleMs);
    return true;
}

QString SearchBox::errorText() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

void SearchBox::showCount(int matches, bool running)
{
    if (m_running.isEmpty() || matches < 0) {
        m_count->clear();
        return;
    }
    QString text = tr("%Ln matches", nullptr, matches);
    if (running)
        text = tr("Searching… %L1").arg(matches);
    m_count->setText(text);
}

void SearchBox::setHistory(const QStringList &history)
{
    m_history.clear();
    for (const QString &q : history)
        if (!q.trimmed().isEmpty() && !m_history.contains(q) && m_history.size() < HISTORY_SIZE)
            m_history << q;
    m_historyModel->setStringList(m_history);
}

void SearchBox::remember(const QString &text)
{
    if (text.trimmed().isEmpty() || (!m_history.isEmpty() && m_history.first() == text))
        return;
    m_history.removeAll(text);
    m_history.prepend(text);
    while (m_history.size() > HISTORY_SIZE)
        m_history.removeLast();
    m_historyModel->setStringList(m_history);
    emit historyChanged(m_history);
}

bool SearchBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            // Esc empties the box and the results of its search at once.
            m_edit->clear();
            m_quiet->stop();
            evaluate();
            return true;
        }
        if (key->key() == Qt::Key_Down && !m_completer->popup()->isVisible() && !m_history.isEmpty()) {
            // Down offers the whole history, whatever is typed.
            m_completer->setCompletionPrefix(QString());
            m_completer->complete();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rkm
