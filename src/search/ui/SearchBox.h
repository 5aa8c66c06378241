#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QCompleter;
class QLabel;
class QLineEdit;
class QStringListModel;
class QTimer;

namespace rkm {

// The search box above the grid: a query (search/Query.h) typed here runs as
// it is typed. Each change is looked at after a few milliseconds of quiet
// (typing never waits for a search): a query that cannot be parsed shows its
// reason and place beside the box and runs nothing; a valid one is handed
// on (queryChanged). Enter confirms it (queryConfirmed), Esc empties the box
// (queryCleared). The box offers the queries of its history (the last 20
// distinct ones that ran for a moment or were confirmed) as the user types,
// and all of them on the Down key.
class SearchBox final : public QWidget {
    Q_OBJECT

public:
    static constexpr int HISTORY_SIZE = 20;

    explicit SearchBox(QWidget *parent = nullptr);

    QLineEdit &edit() { return *m_edit; }
    QString text() const;
    // Puts `text` in the box and runs it at once (a saved search).
    void runText(const QString &text);
    // Focuses the box with its text selected.
    void focusBox();

    // The queries offered, the most recent first.
    QStringList history() const { return m_history; }
    void setHistory(const QStringList &history);
    // Puts `text` first in the history (once), keeping the last HISTORY_SIZE.
    void remember(const QString &text);

    // The count of matches shown beside the box.
    void showCount(int matches, bool running);
    // The reason a query was refused, shown beside the box (empty: none).
    QString errorText() const;

    // The quiet time after a keystroke before the query is looked at, and
    // the time a query must have run to join the history.
    static void setDelaysForTests(int quietMs, int settleMs);

signals:
    void queryChanged(const QString &text);
    void queryConfirmed(const QString &text);
    void queryCleared();
    void historyChanged(const QStringList &history);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Looks at the text as it is now; true when it is a valid query.
    bool evaluate();

    QLineEdit *m_edit;
    QLabel *m_error;
    QLabel *m_count;
    QTimer *m_quiet;
    QTimer *m_settle;
    QCompleter *m_completer;
    QStringListModel *m_historyModel;
    QStringList m_history;
    QString m_running; // the query last handed on (empty: none)
};

} // namespace rkm
