#include "search/Compare.h"

#include "platform/NameMatch.h"
#include "platform/Text.h"
#include "platform/TextValues.h"
#include "scan/Props.h"
#include "search/Finder.h"

#include <optional>
#include <string_view>

namespace rkm {

namespace {

class Comparer {
public:
    Comparer(const TreeNode &a, const TreeNode &b, const std::atomic<bool> *stop) : m_diskA(a), m_diskB(b), m_stop(stop)
    {
    }

    bool stopped() const { return m_stop && m_stop->load(std::memory_order_relaxed); }

    void folder(const TreeNode &a, const TreeNode &b, const std::string &prefix)
    {
        if (stopped())
            return;
        files(a, b, prefix);
        const std::vector<int> match = platform::MatchByName(
            a.childCount(), b.childCount(), [&](int j) -> std::string_view { return a.child(j)->text(); },
            [&](int i) -> std::string_view { return b.child(i)->text(); }, platform::OldItems::TakenOnce);
        std::vector<int> ofA(static_cast<std::size_t>(a.childCount()), -1);
        for (int i = 0; i < b.childCount(); ++i)
            if (match[static_cast<std::size_t>(i)] >= 0)
                ofA[static_cast<std::size_t>(match[static_cast<std::size_t>(i)])] = i;
        for (int j = 0; j < a.childCount(); ++j) {
            const TreeNode &child = *a.child(j);
            const int i = ofA[static_cast<std::size_t>(j)];
            if (i >= 0)
                folder(child, *b.child(i), prefix + platform::Utf8Text(child.text()) + "/");
            else
                onlyFolder(DiffKind::OnlyInA, child, prefix);
        }
        for (int i = 0; i < b.childCount(); ++i)
            if (match[static_cast<std::size_t>(i)] < 0)
                onlyFolder(DiffKind::OnlyInB, *b.child(i), prefix);
    }

    ListingDiff result;

private:
    void files(const TreeNode &a, const TreeNode &b, const std::string &prefix)
    {
        const FileList &fa = a.disk().Files;
        const FileList &fb = b.disk().Files;
        if (fa.empty() && fb.empty())
            return;
        // Each entry's texts are found once (an entry is read by scanning
        // its texts for their ends).
        std::vector<FileEntryView> &va = m_viewsA, &vb = m_viewsB;
        va.resize(static_cast<std::size_t>(fa.count()));
        vb.resize(static_cast<std::size_t>(fb.count()));
        for (int j = 0; j < fa.count(); ++j)
            va[static_cast<std::size_t>(j)] = fa.entry(j);
        for (int i = 0; i < fb.count(); ++i)
            vb[static_cast<std::size_t>(i)] = fb.entry(i);
        const std::vector<int> match = platform::MatchByName(
            fa.count(), fb.count(), [&](int j) { return va[static_cast<std::size_t>(j)][FT_NAME]; },
            [&](int i) { return vb[static_cast<std::size_t>(i)][FT_NAME]; }, platform::OldItems::TakenOnce);
        std::vector<int> ofA(static_cast<std::size_t>(fa.count()), -1);
        for (int i = 0; i < fb.count(); ++i)
            if (match[static_cast<std::size_t>(i)] >= 0)
                ofA[static_cast<std::size_t>(match[static_cast<std::size_t>(i)])] = i;
        for (int j = 0; j < fa.count(); ++j) {
            const FileEntryView &ea = va[static_cast<std::size_t>(j)];
            const int i = ofA[static_cast<std::size_t>(j)];
            if (i < 0) {
                DiffItem d = item(DiffKind::OnlyInA, prefix + platform::Utf8Text(ea[FT_NAME]), false);
                d.nodeA = &a;
                d.entryA = j;
                d.sizeA = ea[FT_SIZE];
                d.dateA = ea[FT_DATE];
                add(std::move(d));
                continue;
            }
            const FileEntryView &eb = vb[static_cast<std::size_t>(i)];
            const bool size = !sameSize(ea[FT_SIZE], eb[FT_SIZE]);
            const bool date = !sameDate(ea[FT_DATE], eb[FT_DATE]);
            if (!size && !date)
                continue;
            DiffItem d = item(DiffKind::Changed, prefix + platform::Utf8Text(ea[FT_NAME]), false);
            d.nodeA = &a;
            d.entryA = j;
            d.nodeB = &b;
            d.entryB = i;
            d.sizeChanged = size;
            d.dateChanged = date;
            d.sizeA = ea[FT_SIZE];
            d.sizeB = eb[FT_SIZE];
            d.dateA = ea[FT_DATE];
            d.dateB = eb[FT_DATE];
            add(std::move(d));
        }
        for (int i = 0; i < fb.count(); ++i) {
            if (match[static_cast<std::size_t>(i)] >= 0)
                continue;
            const FileEntryView &eb = vb[static_cast<std::size_t>(i)];
            DiffItem d = item(DiffKind::OnlyInB, prefix + platform::Utf8Text(eb[FT_NAME]), false);
            d.nodeB = &b;
            d.entryB = i;
            d.sizeB = eb[FT_SIZE];
            d.dateB = eb[FT_DATE];
            add(std::move(d));
        }
    }

    void onlyFolder(DiffKind kind, const TreeNode &node, const std::string &prefix)
    {
        DiffItem d = item(kind, prefix + platform::Utf8Text(node.text()) + "/", true);
        (kind == DiffKind::OnlyInA ? d.nodeA : d.nodeB) = &node;
        CountSubtree(node, d.foldersBelow, d.filesBelow);
        add(std::move(d));
    }

    static DiffItem item(DiffKind kind, std::string path, bool isFolder)
    {
        DiffItem d;
        d.kind = kind;
        d.path = std::move(path);
        d.folder = isFolder;
        return d;
    }

    void add(DiffItem d)
    {
        switch (d.kind) {
        case DiffKind::OnlyInA:
            ++result.onlyInA;
            break;
        case DiffKind::OnlyInB:
            ++result.onlyInB;
            break;
        case DiffKind::Changed:
            ++result.changed;
            break;
        }
        result.items.push_back(std::move(d));
    }

    static bool sameSize(std::string_view a, std::string_view b)
    {
        if (a == b)
            return true;
        const auto sa = platform::ReadSizeText(a), sb = platform::ReadSizeText(b);
        return sa && sb && sa->low == sb->low && sa->high == sb->high;
    }

    bool sameDate(std::string_view a, std::string_view b)
    {
        if (a == b)
            return true;
        // Another text may be the same day in another format.
        if (!m_orders) {
            m_orders.emplace(DateOrderOfListing(m_diskA), DateOrderOfListing(m_diskB));
        }
        const QDate da = platform::ReadDateText(a, m_orders->first);
        const QDate db = platform::ReadDateText(b, m_orders->second);
        return da.isValid() && da == db;
    }

    const TreeNode &m_diskA;
    const TreeNode &m_diskB;
    const std::atomic<bool> *m_stop;
    std::vector<FileEntryView> m_viewsA, m_viewsB; // of the folders being compared
    std::optional<std::pair<platform::DateOrder, platform::DateOrder>> m_orders;
};

} // namespace

ListingDiff CompareListings(const TreeNode &a, const TreeNode &b, const std::atomic<bool> *stop)
{
    Comparer c(a, b, stop);
    c.folder(a, b, {});
    if (c.stopped())
        return {};
    return std::move(c.result);
}

} // namespace rkm
