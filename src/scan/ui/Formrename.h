#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

namespace Ui {
class TFormRename;
}

namespace rkm {

class MessageLine;

// "Rename disk": one line for the disk's new name. OK is refused with the
// warning beep and the reason on the message line while the name is empty or
// only spaces (a disk without a name cannot be read back), or longer than a
// listing holds. A name another listing has is taken, with a warning on the
// message line as it is typed. Esc and Cancel close it without a change.
class TFormRename final : public QDialog {
    Q_OBJECT

public:
    explicit TFormRename(QWidget *parent = nullptr);
    ~TFormRename() override;

    // The name shown in the box, and the name typed there.
    void setName(const QString &name);
    QString name() const;
    // The name as stored: shown decoded; unchanged, it keeps these bytes.
    void setStoredName(std::string bytes);
    // The name to store: the bytes it came with while unchanged, else the
    // typed text as UTF-8, line breaks as spaces.
    std::string storedName() const;
    // Whether the box holds another name than the one it was given.
    bool changed() const;
    // What the message line says.
    QString message() const;
    // Whether another listing has a name (as stored), for the warning.
    void setNameTaken(std::function<bool(const std::string &stored)> taken) { m_nameTaken = std::move(taken); }

    void cmdOKClick();

private:
    std::unique_ptr<Ui::TFormRename> m_ui;
    MessageLine *m_message;
    std::string m_stored;
    std::function<bool(const std::string &)> m_nameTaken;
};

} // namespace rkm
