#include "app/PictureView.h"

#include "app/CatalogTreeModel.h"

#include <QApplication>
#include <QImage>
#include <QMimeDatabase>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace rkm {

namespace {

// Draws each row with its picture (or file-type icon) above its name.
class PictureDelegate final : public QStyledItemDelegate {
public:
    explicit PictureDelegate(PictureView *view) : QStyledItemDelegate(view), m_view(view) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->icon = m_view->iconOfRow(index.row());
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->decorationSize = QSize(PictureView::PICTURE_SIZE, PictureView::PICTURE_SIZE);
        option->decorationPosition = QStyleOptionViewItem::Top;
        option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
        option->textElideMode = Qt::ElideMiddle;
    }

private:
    PictureView *m_view;
};

} // namespace

PictureView::PictureView(FileGridModel *model, QWidget *parent) : QListView(parent), m_model(model)
{
    setObjectName(QStringLiteral("lvPictures"));
    setAccessibleName(tr("Pictures"));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setWordWrap(false);
    setSpacing(6);
    setIconSize(QSize(PICTURE_SIZE, PICTURE_SIZE));
    setGridSize(QSize(PICTURE_SIZE + 32, PICTURE_SIZE + fontMetrics().height() + 16));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setItemDelegate(new PictureDelegate(this));
    setModel(model);
    m_cache.setMaxCost(CACHED_PICTURES);
    // Another folder shown: its entries are other files.
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        m_cache.clear();
        // A folder without files shows one empty row in the grid; here none.
        setRowHidden(0, m_model->entryCount() == 0);
    });
}

void PictureView::setPictureSource(PictureSource source)
{
    m_source = std::move(source);
    m_cache.clear();
    viewport()->update();
}

QPixmap PictureView::pictureOfRow(int row)
{
    const int entry = m_model->entryAt(row);
    if (entry < 0)
        return {};
    if (const QPixmap *cached = m_cache.object(entry))
        return *cached;
    QPixmap pixmap;
    if (m_source) {
        ++m_read;
        const std::optional<std::string> jpeg = m_source(entry);
        QImage image;
        if (jpeg)
            image.loadFromData(reinterpret_cast<const uchar *>(jpeg->data()), static_cast<int>(jpeg->size()), "JPEG");
        if (!image.isNull()) {
            // As many pixels as the screen has in the square, never more
            // than the picture holds.
            const qreal ratio = std::max(devicePixelRatioF(), 1.0);
            const int side = static_cast<int>(PICTURE_SIZE * ratio);
            if (image.width() > side || image.height() > side)
                image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            pixmap = QPixmap::fromImage(image);
            pixmap.setDevicePixelRatio(ratio);
        }
    }
    m_cache.insert(entry, new QPixmap(pixmap));
    return pixmap;
}

QIcon PictureView::iconOfRow(int row)
{
    const QPixmap picture = pictureOfRow(row);
    return picture.isNull() ? typeIcon(row) : QIcon(picture);
}

QIcon PictureView::typeIcon(int row) const
{
    static const QMimeDatabase mimes;
    const QString name = m_model->data(m_model->index(row, FT_NAME)).toString();
    const QMimeType type = mimes.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    auto it = m_typeIcons.find(type.name());
    if (it == m_typeIcons.end()) {
        const QIcon fallback = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
        it = m_typeIcons.insert(type.name(),
                                QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), fallback)));
    }
    return *it;
}

} // namespace rkm
