#include "catalog/Shelf.h"

#include "platform/Text.h"

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
    std::string message = std::string("The ") + what + " is " +
                          english.toString(qulonglong(text.size())).toStdString() + " bytes long; at most " +
                          english.toString(qulonglong(MAX_SHELF_TEXT_BYTES)).toStdString() + " bytes are kept.";
    return message;
}

} // namespace rkm
