#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormRename;
}

namespace rkm {

// "Rename disk": one line for the disk's new name. OK only beeps while the
// line is empty, since a disk without a name cannot be read back. Esc and
// Cancel close it without a change.
class TFormRename final : public QDialog {
    Q_OBJECT

public:
    explicit TFormRename(QWidget *parent = nullptr);
    ~TFormRename() override;

    // The name shown in the box, and the name typed there.
    void setName(const QString &name);
    QString name() const;

    void cmdOKClick();

private:
    std::unique_ptr<Ui::TFormRename> m_ui;
};

} // namespace rkm
