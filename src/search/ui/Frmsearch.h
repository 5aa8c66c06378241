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
    // Whether there is something to go on looking for: a text, a category
    // restriction with a category, a size or date range or one listing; and
    // the ranges can be read (else Find next shows the dialog, which says
    // what is wrong).
    bool hasSearch() const;
    // Clears the category restriction (a new search starts without it).
    void clearCategoryRestriction();
    // Replaces the listings offered for "Only in this listing:". The one
    // chosen before stays chosen if it is still there (or one of its name,
    // after an update); else `preferred` (the selected disk) is.
    void setListings(const std::vector<const TreeNode *> &disks, const TreeNode *preferred,
                     const Catalog *catalog = nullptr);
    // Whether the dialog was closed with "Find all" rather than OK.
    bool findAllChosen() const { return m_findAll; }
    // The message shown under the controls when the input cannot be used
    // (empty when none).
    QString message() const;

    void FormShow();
    void OnSearchItemClick();
    void chkCategoryClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Closes the dialog when the ranges can be read; else says why and stays.
    void tryAccept(bool findAll);
    // The size and date ranges into `o`; the reason they cannot be read, and
    // the control to fix, otherwise.
    bool readRanges(SearchOptions &o, QString *problem = nullptr, QWidget **culprit = nullptr) const;
    void showMessage(const QString &text);

    std::unique_ptr<Ui::TfrmSearch> m_ui;
    bool m_findAll = false;
};

} // namespace rkm
