#pragma once

#include <QCache>
#include <QHash>
#include <QIcon>
#include <QListView>
#include <QPixmap>

#include <functional>
#include <optional>
#include <string>

namespace rkm {

class FileGridModel;

// View > Pictures: the grid's files as icons with their names, over the
// grid's own model and selection (the current entry is the grid's). A file's
// picture kept in the store is read when its row is first drawn and kept
// for the next few hundred rows drawn; a file without one shows the icon of
// its file type.
class PictureView final : public QListView {
    Q_OBJECT

public:
    explicit PictureView(FileGridModel *model, QWidget *parent = nullptr);

    // The side of the square a picture is drawn in, in points.
    static constexpr int PICTURE_SIZE = 128;
    // How many rows' pictures are kept once drawn.
    static constexpr int CACHED_PICTURES = 300;

    // The JPEG bytes kept for an entry of the folder shown, or nothing.
    using PictureSource = std::function<std::optional<std::string>(int entry)>;
    // Where pictures come from; what was read from the last one is forgotten.
    void setPictureSource(PictureSource source);
    // The picture drawn for a row, at the screen's pixel ratio, or a null
    // pixmap when its file has none (the file-type icon is drawn).
    QPixmap pictureOfRow(int row);
    // What a row is drawn with: its picture, else its file type's icon.
    QIcon iconOfRow(int row);
    // How many rows' pictures were read from the source (tests).
    int picturesRead() const { return m_read; }

private:
    QIcon typeIcon(int row) const;

    FileGridModel *m_model;
    PictureSource m_source;
    // By entry; a null pixmap for an entry without a picture.
    QCache<int, QPixmap> m_cache;
    mutable QHash<QString, QIcon> m_typeIcons;
    int m_read = 0;
};

} // namespace rkm
