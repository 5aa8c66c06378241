// The order of a folder's entries when the grid sorts by a column.

#include "catalog/EntryOrder.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include <string>
#include <vector>

using namespace rkm;

namespace {

// The names of the entries in the order given.
std::vector<std::string> Names(const FileList &files, const std::vector<int> &order)
{
    std::vector<std::string> names;
    for (int i : order)
        names.emplace_back(files.text(i, FT_NAME));
    return names;
}

std::string Date(int y, int m, int d)
{
    return QLocale::system().toString(QDate(y, m, d), QLocale::ShortFormat).toStdString();
}

TEST(EntryOrder, ByEveryColumnBothWays)
{
    // name, description, date, size, category
    FileList files;
    files.append(FileEntry{"file10.txt", "zebra", Date(2001, 5, 1), "2 Kb", "Music"});
    files.append(FileEntry{"File2.txt", "", "31.12.1999", "1024 bytes", ""});
    files.append(FileEntry{"file1.txt", "Apple 10", "unreadable", "900 bytes", "music"});
    files.append(FileEntry{"b.txt", "apple 9", Date(2001, 5, 1), "", "Letters"});
    files.append(FileEntry{"a.txt", "Banana", "", "1 Kb", "Music"});
    const std::vector<std::string> stored = {"file10.txt", "File2.txt", "file1.txt", "b.txt", "a.txt"};
    struct Case {
        const char *what;
        int column;
        bool descending;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"stored order", -1, false, stored},
        {"names in natural order", FT_NAME, false, {"a.txt", "b.txt", "file1.txt", "File2.txt", "file10.txt"}},
        {"names reversed", FT_NAME, true, {"file10.txt", "File2.txt", "file1.txt", "b.txt", "a.txt"}},
        // 1 Kb is more than 1024 bytes (the scan writes 1024 itself in bytes).
        {"sizes by value, no size last", FT_SIZE, false, {"file1.txt", "File2.txt", "a.txt", "file10.txt", "b.txt"}},
        {"sizes reversed, no size still last", FT_SIZE, true, {"file10.txt", "a.txt", "File2.txt", "file1.txt", "b.txt"}},
        // A date of another listing's format is read too; no date last.
        {"dates by value", FT_DATE, false, {"File2.txt", "file10.txt", "b.txt", "file1.txt", "a.txt"}},
        {"dates reversed", FT_DATE, true, {"file10.txt", "b.txt", "File2.txt", "file1.txt", "a.txt"}},
        {"descriptions, empty first", FT_DESCRIPTION, false, {"File2.txt", "b.txt", "file1.txt", "a.txt", "file10.txt"}},
        {"categories, same letters in stored order by bytes", FT_CATEGORY, false,
         {"File2.txt", "b.txt", "file10.txt", "a.txt", "file1.txt"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Names(files, SortedEntries(files, c.column, c.descending)), c.names);
    }
    // The list itself stays as it was.
    EXPECT_EQ(Names(files, SortedEntries(files, -1, false)), stored);
}

} // namespace
