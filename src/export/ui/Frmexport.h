#pragma once

#include "export/Export.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmExport;
}

namespace rkm {

// "Export": what to export (the selected listing or the whole catalogue)
// and in which form. The file is asked for afterwards.
class TfrmExport final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmExport(QWidget *parent = nullptr);
    ~TfrmExport() override;

    // The selected listing's name (empty when none is selected, which leaves
    // only the whole catalogue) and the number of listings of the catalogue.
    void setChoices(const QString &listingName, int listingCount);
    void setFormat(ExportFormat format);

    bool wholeCatalogue() const;
    ExportFormat format() const;
    // The HTML page shows the pictures kept of the files.
    bool pictures() const;

private:
    std::unique_ptr<Ui::TfrmExport> m_ui;
};

} // namespace rkm
