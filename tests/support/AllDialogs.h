#pragma once

// Every dialog of the program, made and filled as its command does before
// showing it, for the tests that walk them all (focus, accessibility). The
// dialogs are found in the sources, so a new one is not forgotten.

#include "catalog/CatalogStore.h"
#include "print/ui/PrintUiSupport.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace rkm::test {

class AllDialogs {
public:
    AllDialogs();
    AllDialogs(const AllDialogs &) = delete;
    AllDialogs &operator=(const AllDialogs &) = delete;

    // Class name -> maker of a dialog ready to be shown.
    const std::map<QString, std::function<std::unique_ptr<QDialog>()>> &makers() const { return m_makers; }

    // The class names of the dialogs in the sources: each .ui file's
    // dialog and each class built on QDialog.
    static QStringList InSources();

private:
    TempDir m_programDir;
    MapSettings m_settings;
    CatalogStore m_store;
    std::unique_ptr<TreeNode> m_alpha;
    std::unique_ptr<TreeNode> m_beta;
    std::vector<const TreeNode *> m_disks;
    QImage m_page;
    std::map<QString, std::function<std::unique_ptr<QDialog>()>> m_makers;
};

} // namespace rkm::test
