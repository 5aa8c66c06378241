#pragma once

#include "search/Duplicates.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class TfrmDuplicates;
}

namespace rkm {

// "Find duplicates": across all listings or within one, and the smallest
// size of file worth a look (1 MB at first). It lives for the whole run, so
// it keeps what was chosen last.
class TfrmDuplicates final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDuplicates(QWidget *parent = nullptr);
    ~TfrmDuplicates() override;

    // The listings offered; the one chosen before stays chosen if it is still
    // there (or one of its name), else `preferred`.
    void setListings(const std::vector<const TreeNode *> &disks, const TreeNode *preferred,
                     const Catalog *catalog = nullptr);
    DuplicateOptions options() const;
    // The message shown when the size cannot be read (empty when none).
    QString message() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKBtnClick();
    bool readSize(uint64_t &bytes) const;

    std::unique_ptr<Ui::TfrmDuplicates> m_ui;
};

} // namespace rkm
