#pragma once

#include "search/Finder.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TfrmSearch;
}

namespace rkm {

// The search dialog. It lives for the whole run, so its controls keep what
// the user last left in them; Find next reads them as they stand.
class TfrmSearch final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSearch(QWidget *parent = nullptr);
    ~TfrmSearch() override;

    // Replaces the category choices, leaving none picked.
    void setCategories(const std::vector<std::string> &categories);
    // The picked category's stored bytes; empty when none is picked.
    std::string categoryText() const;
    std::string searchText() const;
    // The search the controls describe.
    SearchOptions options() const;
    // Whether there is something to go on looking for: a text, or a
    // category restriction with a category.
    bool hasSearch() const;
    // Clears the category restriction (a new search starts without it).
    void clearCategoryRestriction();

    void FormShow();
    void OnSearchItemClick();
    void chkCategoryClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmSearch> m_ui;
};

} // namespace rkm
