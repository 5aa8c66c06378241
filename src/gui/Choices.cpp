#include "gui/Choices.h"

#include "platform/Text.h"
#include "platform/TextValues.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace rkm {

void SetListingChoices(QComboBox *box, const std::vector<const TreeNode *> &disks, const TreeNode *preferred,
                       const Catalog *catalog)
{
    // The disk name of each item, beside the name it is shown by.
    constexpr int NAME_ROLE = Qt::UserRole + 1;
    const TreeNode *was = ChosenListing(box);
    const QString wasName = box->currentData(NAME_ROLE).toString();
    box->clear();
    int pick = -1, byName = -1, byPreferred = -1;
    for (const TreeNode *d : disks) {
        const QString name = platform::DecodeText(d->text());
        if (d == was)
            pick = box->count();
        if (byName < 0 && !wasName.isEmpty() && name == wasName)
            byName = box->count();
        if (d == preferred)
            byPreferred = box->count();
        box->addItem(platform::DecodeText(DisplayName(catalog, *d)),
                     QVariant::fromValue(reinterpret_cast<quintptr>(d)));
        box->setItemData(box->count() - 1, name, NAME_ROLE);
    }
    if (pick < 0)
        pick = byName >= 0 ? byName : byPreferred;
    box->setCurrentIndex(pick >= 0 ? pick : (box->count() > 0 ? 0 : -1));
}

const TreeNode *ChosenListing(const QComboBox *box)
{
    if (box->currentIndex() < 0)
        return nullptr;
    return reinterpret_cast<const TreeNode *>(box->currentData().value<quintptr>());
}

void SetSizeUnits(QComboBox *box, int unit)
{
    box->clear();
    box->addItems({QCoreApplication::translate("rkm::Choices", "bytes"), QCoreApplication::translate("rkm::Choices", "KB"),
                   QCoreApplication::translate("rkm::Choices", "MB"), QCoreApplication::translate("rkm::Choices", "GB")});
    box->setCurrentIndex(unit);
}

bool ReadTypedSize(const QString &typed, const QComboBox *units, std::optional<uint64_t> &bytes)
{
    const QString t = typed.trimmed();
    bytes.reset();
    if (t.isEmpty())
        return true;
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v) || v < 0)
        return false;
    const int unit = std::max(units->currentIndex(), 0);
    const double b = std::round(v * static_cast<double>(platform::UnitBytes(static_cast<platform::SizeUnit>(unit))));
    if (b >= 1.8e19)
        return false;
    bytes = static_cast<uint64_t>(b);
    return true;
}

} // namespace rkm
