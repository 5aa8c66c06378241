#pragma once

#include "catalog/Disks.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class TfrmCompare;
}

namespace rkm {

// "Compare with": the listing to compare the selected disk's listing with.
class TfrmCompare final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCompare(QWidget *parent = nullptr);
    ~TfrmCompare() override;

    // `disk` is compared with one of `others`, each shown by its name in
    // `catalog` (Catalog::displayName).
    void setListings(const TreeNode *disk, const std::vector<const TreeNode *> &others,
                     const Catalog *catalog = nullptr);
    const TreeNode *chosen() const;

private:
    std::unique_ptr<Ui::TfrmCompare> m_ui;
};

} // namespace rkm
