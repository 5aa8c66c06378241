#include "catalog/Shelf.h"

#include "platform/Text.h"
#include "platform/Translated.h"

#include <QLocale>

namespace rkm {

namespace {

std::string Value(const ListingExtras &extras, const char *key)
{
    const auto it = extras.find(key);
    return it == extras.end() ? std::string() : it->second;
}

void Put(ListingExtras &extras, const char *key, const std::string &value)
{
    if (value.empty())
        extras.erase(key);
    else
        extras[key] = value;
}

} // namespace

Shelf ShelfOf(const ListingExtras &extras)
{
    return {Value(extras, EXTRA_LOCATION), Value(extras, EXTRA_LENT_TO), OnMountOf(extras)};
}

ListingExtras WithShelf(ListingExtras extras, const Shelf &shelf)
{
    Put(extras, EXTRA_LOCATION, shelf.location);
    Put(extras, EXTRA_LENT_TO, shelf.lentTo);
    Put(extras, EXTRA_ON_MOUNT, shelf.onMount == OnMount::Ask ? std::string() : OnMountWord(shelf.onMount));
    return extras;
}

std::string ShelfTextOf(std::string_view typed)
{
    std::string text = platform::OneLineText(typed);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string ShelfTextProblem(const char *what, std::string_view text)
{
    if (text.size() <= MAX_SHELF_TEXT_BYTES)
        return {};
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const std::string length = english.toString(qulonglong(text.size())).toStdString();
    const std::string most = english.toString(qulonglong(MAX_SHELF_TEXT_BYTES)).toStdString();
    // One sentence per text for the ones the programs ask about.
    const std::string_view kind = what;
    if (kind == "location")
        return Utf8(rkm::Core::tr("The location is %1 bytes long; at most %2 bytes are kept."), {length, most});
    if (kind == "lent to")
        return Utf8(rkm::Core::tr("The lent to is %1 bytes long; at most %2 bytes are kept."), {length, most});
    return Utf8(rkm::Core::tr("The %1 is %2 bytes long; at most %3 bytes are kept."), {kind, length, most});
}

} // namespace rkm
