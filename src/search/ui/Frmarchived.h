#pragma once

#include "search/Holding.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace rkm {

class BackgroundSearch;

// "Is this archived?": local files chosen by the user, each read on a
// thread of its own (the window goes on, with the busy cursor), then shown
// with the listings and paths that hold the same contents, or as not
// archived. Closing it while files are read ends the reading.
class TfrmArchived final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmArchived(CatalogStore &store, QWidget *parent = nullptr);
    ~TfrmArchived() override;

    // Reads the files (a folder: every file below it) and shows the answer.
    void check(const QStringList &paths);
    bool running() const;
    // A row per file (its path, then where it is held), a row per copy below it.
    QTreeWidget &view() { return *m_view; }
    QString status() const;

    void reject() override;

private:
    void showAnswer(std::vector<LocalFile> files);

    CatalogStore &m_store;
    QLabel *m_status;
    QTreeWidget *m_view;
    QPushButton *m_close;
    BackgroundSearch *m_search;
};

} // namespace rkm
