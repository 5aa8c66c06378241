// rackmere-cli set: where a disk is kept and to whom it is lent, kept through
// update, rename and an annotation, printed by list, show and export.
#include "catalog/WriterLock.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sstream>

using namespace rkm;
using rkm::test::CliResult;

namespace {

class CliShelf : public test::FourFileDiskTest {
protected:
    struct Seen {
        std::string name, location, lentTo, onMount;
        std::string header; // the lines of show's header below its first line
        bool operator==(const Seen &) const = default;
    };

    // What list --json and show say of the one listing, each a program started afresh.
    Seen Now() const
    {
        const std::string list = Cli({"list", "--json"}).out;
        const QJsonArray listings = QJsonDocument::fromJson(QByteArray::fromStdString(list)).array();
        if (listings.size() != 1) {
            ADD_FAILURE() << list;
            return {};
        }
        const QJsonObject o = listings[0].toObject();
        Seen seen{o["name"].toString().toStdString(), o["location"].toString().toStdString(),
                  o["lentTo"].toString().toStdString(), o["onMount"].toString().toStdString(), {}};
        std::istringstream lines(Cli({"show", seen.name}).out);
        std::string line;
        std::getline(lines, line);
        // The header's lines start at the margin, the folders and files are indented.
        while (std::getline(lines, line) && !line.empty() && line[0] != ' ')
            seen.header += line + "\n";
        return seen;
    }
};

} // namespace

TEST_F(CliShelf, KeptThroughUpdateAndRenameAndPrinted)
{
    test::AddListing(programDir, src, "Backup", "", 0);
    const std::string tooLong(1001, 'x');
    const Seen crate{"Crate", "Shelf B3, box 2", "Ann, 3 May", "update",
                     "Location: Shelf B3, box 2\nLent to: Ann, 3 May\nWhen the disk is mounted: update\n"};
    Seen backup = crate;
    backup.name = "Backup";
    const struct {
        std::vector<std::string> args;
        int status;
        Seen seen;
    } steps[] = {
        {{"set", "Backup", "--location", "Shelf B3,\nbox 2 ", "--lent-to", "Ann, 3 May"}, 0,
         {"Backup", "Shelf B3, box 2", "Ann, 3 May", "ask", "Location: Shelf B3, box 2\nLent to: Ann, 3 May\n"}},
        {{"set", "Backup", "--on-mount", "update"}, 0, backup},
        {{"update", "Backup", "--archives"}, 0, backup}, // reads more than before
        {{"rename", "Backup", "Crate"}, 0, crate},
        {{"describe", "Crate", "sub/d.txt", "--description", "edited"}, 0, crate},
        // Refused, and nothing changes.
        {{"set", "Crate", "--location", tooLong}, 2, crate},
        {{"set", "Crate", "--on-mount", "sometimes"}, 2, crate},
        {{"set", "Crate"}, 2, crate},
        {{"set", "Nope", "--location", "x"}, 1, crate},
        // Back from a friend: "" clears.
        {{"set", "Crate", "--lent-to", "", "--on-mount", "ask"}, 0,
         {"Crate", "Shelf B3, box 2", "", "ask", "Location: Shelf B3, box 2\n"}},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.args[0] + " " + step.args.back().substr(0, 20));
        const CliResult r = Cli(step.args);
        EXPECT_EQ(r.status, step.status) << r.err;
        EXPECT_EQ(r.err.empty(), step.status == 0) << r.err;
        EXPECT_EQ(Now(), step.seen);
    }
    // set writes: while the desktop program holds the writer lock it is refused.
    WriterLock held(programDir);
    ASSERT_EQ(held.take(), WriterLock::State::Held);
    EXPECT_EQ(Cli({"set", "Crate", "--location", "x"}).status, 4);
    EXPECT_EQ(Now().location, "Shelf B3, box 2");

    const CliResult json = Cli({"export", "--format", "json", "-o", "-"});
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonObject listing =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object()["listings"].toArray()[0].toObject();
    EXPECT_EQ(listing["location"].toString(), QStringLiteral("Shelf B3, box 2"));
    EXPECT_EQ(listing["lentTo"].toString(), QString());
}
