#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmAddFilter;
}

namespace rkm {

// "Add filter": one text for a filter list.
class TfrmAddFilter final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAddFilter(QWidget *parent = nullptr);
    ~TfrmAddFilter() override;
    // The text as typed.
    QString text() const;

private:
    std::unique_ptr<Ui::TfrmAddFilter> m_ui;
};

} // namespace rkm
