#pragma once

#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

class QListWidget;
class QPushButton;

namespace rkm {

// A query kept under a name (Search > Saved searches).
struct SavedSearch {
    QString name;
    QString query;
    bool operator==(const SavedSearch &) const = default;
};

// Saved searches > Manage...: the saved searches by name with their
// queries; Remove takes the selected one off the list, Close keeps what is
// left (searches()).
class TfrmSavedSearches final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSavedSearches(std::vector<SavedSearch> searches, QWidget *parent = nullptr);
    const std::vector<SavedSearch> &searches() const { return m_searches; }

private:
    void fill();

    std::vector<SavedSearch> m_searches;
    QListWidget *m_list;
    QPushButton *m_remove;
};

} // namespace rkm
