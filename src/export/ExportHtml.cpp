// The HTML form of an export: one page that needs nothing else, no network,
// no file beside it, so it opens from a USB stick. Every listing and folder
// is a <details> element (the collapsible tree) with a table of its files;
// a search box filters the rows as one types. Every text is escaped.
#include "export/ExportWriter.h"

#include "service/Version.h"

#include <QByteArray>

namespace rkm::exporting {

namespace {

// Nothing may be fetched: the page's own style and script only.
constexpr char kHead[] = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'">
)";

constexpr char kStyle[] = R"(<style>
body{font:14px/1.4 system-ui,"DejaVu Sans",sans-serif;margin:0;color:#1c2430;background:#fff}
header{position:sticky;top:0;z-index:1;display:flex;flex-wrap:wrap;gap:.4em 1.2em;align-items:center;
 padding:.6em 1em;background:#2b4c7e;color:#fff}
header h1{font-size:1.15em;margin:0}
#q{font:inherit;padding:.25em .5em;width:22em;max-width:70vw;border:1px solid #9fb3cf;border-radius:4px}
main{padding:.6em 1em 2em}
summary{cursor:pointer;padding:.1em 0}
details details,details>table{margin-left:1.5em}
.disk{margin-bottom:.4em}
.disk>summary{font-weight:bold;border-bottom:1px solid #c8d2e0}
.p,.k{color:#5c6878;font-weight:normal}
.c{font-style:italic;font-weight:normal}
.s{font-weight:normal;color:#7a4b00}
table{border-collapse:collapse;margin:.2em 0 .5em}
th,td{text-align:left;padding:.1em .7em;border-bottom:1px solid #e1e7f0;vertical-align:top}
th{background:#e8eef6;font-weight:600}
td:nth-child(2){text-align:right;white-space:nowrap}
td:nth-child(3){white-space:nowrap}
[hidden]{display:none!important}
</style>
</head>
<body>
)";

// The search: a row shows when its name, description or category holds the
// text (letter case ignored), or when the name of a folder above it does; a
// folder shows when anything in it shows, and opens when a match lies inside
// it. An empty box gives the page back as it was.
constexpr char kScript[] = R"(</main>
<script>
(function () {
  'use strict';
  var q = document.getElementById('q'), st = document.getElementById('st');
  var whole = st.textContent, big = Number(st.getAttribute('data-files')) > 50000;
  var dirs = null, rows = null, tables = null, timer = 0;
  document.getElementById('find').hidden = false;
  function prepare() {
    var list = document.querySelectorAll('main details'), i, d, r, s;
    dirs = []; rows = []; tables = [];
    for (i = 0; i < list.length; i++) {
      d = list[i]; s = d.firstElementChild;
      d.rkText = s.querySelector('.n').textContent.toLowerCase();
      d.rkOpen = d.open;
      d.rkParent = d.parentElement.closest('details');
      dirs.push(d);
    }
    list = document.querySelectorAll('main tr.f');
    for (i = 0; i < list.length; i++) {
      r = list[i];
      r.rkText = (r.cells[0].textContent + '\n' + r.cells[3].textContent + '\n' + r.cells[4].textContent).toLowerCase();
      r.rkTable = r.parentNode.parentNode;
      r.rkDir = r.rkTable.parentNode;
      rows.push(r);
    }
    list = document.querySelectorAll('main table');
    for (i = 0; i < list.length; i++) tables.push(list[i]);
  }
  function filter() {
    if (!dirs) prepare();
    var t = q.value.trim().toLowerCase(), n = 0, i, d, r, hit, show;
    if (!t) {
      for (i = 0; i < dirs.length; i++) { dirs[i].hidden = false; dirs[i].open = dirs[i].rkOpen; }
      for (i = 0; i < rows.length; i++) rows[i].hidden = false;
      for (i = 0; i < tables.length; i++) tables[i].hidden = false;
      st.textContent = whole;
      return;
    }
    for (i = 0; i < dirs.length; i++) { // a folder comes before the folders in it
      d = dirs[i];
      d.rkHit = d.rkText.indexOf(t) >= 0;
      d.rkAll = d.rkHit || (d.rkParent !== null && d.rkParent.rkAll);
      d.rkShow = d.rkAll;
      d.rkWant = false;
    }
    for (i = 0; i < tables.length; i++) tables[i].rkShow = false;
    for (i = 0; i < rows.length; i++) {
      r = rows[i]; d = r.rkDir;
      hit = r.rkText.indexOf(t) >= 0;
      show = hit || d.rkAll;
      r.hidden = !show;
      if (show) { n++; d.rkShow = true; r.rkTable.rkShow = true; }
      if (hit) d.rkWant = true;
    }
    for (i = 0; i < tables.length; i++) tables[i].hidden = !tables[i].rkShow;
    for (i = dirs.length - 1; i >= 0; i--) { // the folders in a folder first
      d = dirs[i];
      d.hidden = !d.rkShow;
      d.open = d.rkWant;
      if (d.rkParent) {
        if (d.rkShow) d.rkParent.rkShow = true;
        if (d.rkWant || d.rkHit) d.rkParent.rkWant = true;
      }
    }
    st.textContent = n + (n === 1 ? ' file found' : ' files found');
  }
  q.addEventListener('input', function () {
    clearTimeout(timer);
    timer = setTimeout(filter, big ? 250 : 0);
  });
  if (q.value) filter();
})();
</script>
</body>
</html>
)";

constexpr char kTableHead[] = "<table><thead><tr><th>Name<th>Size<th>Date<th>Description<th>Category</thead><tbody>\n";

void AppendCount(std::string &out, long n, const char *one, const char *many)
{
    out += std::to_string(n);
    out.push_back(' ');
    out += n == 1 ? one : many;
}

class HtmlWriter final : public Writer {
public:
    HtmlWriter(Output &out, bool pictures) : m_out(out), m_pictures(pictures) {}

    void begin(const std::vector<ListingInfo> &listings) override
    {
        long folders = 0, files = 0;
        for (const ListingInfo &l : listings) {
            folders += l.folders;
            files += l.files;
        }
        std::string title = listings.size() == 1 ? "Rackmere: " + listings[0].name : "Rackmere catalogue";
        std::string &o = m_out.text();
        std::string head = kHead;
        // Pictures come inline, as data: addresses, and from nowhere else.
        if (m_pictures) {
            const std::string_view none = "default-src 'none';";
            head.insert(head.find(none) + none.size(), " img-src data:;");
        }
        o += head;
        o += "<meta name=\"generator\" content=\"Rackmere ";
        o += PROGRAM_VERSION;
        o += "\">\n<title>";
        AppendHtmlText(o, title);
        o += "</title>\n";
        std::string style = kStyle;
        if (m_pictures)
            style.insert(style.find("</style>"), "img.pic{display:block;max-width:96px;max-height:96px;margin:.2em 0}\n");
        o += style;
        o += "<header><h1>";
        AppendHtmlText(o, title);
        o += "</h1><span id=\"find\" hidden><input id=\"q\" type=\"search\" placeholder=\"Search files and folders\" "
             "aria-label=\"Search\" autocomplete=\"off\"></span>"
             "<span id=\"st\" data-files=\"";
        o += std::to_string(files);
        o += "\">";
        AppendCount(o, static_cast<long>(listings.size()), "listing", "listings");
        o += ", ";
        AppendCount(o, folders, "folder", "folders");
        o += ", ";
        AppendCount(o, files, "file", "files");
        o += "</span></header>\n<main>\n";
    }

    void beginListing(const ListingInfo &listing) override { m_listing = &listing; }

    void picture(std::string_view jpeg) override { m_picture = jpeg; }

    void folder(const TreeNode &node, std::string_view path, std::string_view name) override
    {
        closeTable();
        std::string &o = m_out.text();
        const bool disk = node.parent() == nullptr;
        o += disk ? "<details class=\"disk\" open><summary><span class=\"n\">" : "<details><summary><span class=\"n\">";
        AppendHtmlText(o, name);
        o += "</span>";
        if (disk) {
            o += " <span class=\"p\">";
            AppendHtmlText(o, path);
            o += "</span>";
        }
        if (const std::string &comment = node.disk().Comment; !comment.empty()) {
            o += " <span class=\"c\">";
            AppendHtmlText(o, m_utf8(comment));
            o += "</span>";
        }
        if (disk) {
            // Where the disk is kept and to whom it is lent, each when said.
            for (const auto &[caption, text] :
                 {std::pair<const char *, const std::string *>{"Location: ", &m_listing->location},
                  std::pair<const char *, const std::string *>{"Lent to: ", &m_listing->lentTo}}) {
                if (text->empty())
                    continue;
                o += " <span class=\"s\">";
                AppendHtmlText(o, caption);
                AppendHtmlText(o, *text);
                o += "</span>";
            }
        }
        o += " <span class=\"k\">(";
        if (disk) {
            AppendCount(o, m_listing->folders, "folder", "folders");
            o += ", ";
            AppendCount(o, m_listing->files, "file", "files");
        } else {
            AppendCount(o, node.disk().Files.count(), "file", "files");
        }
        o += ")</span></summary>\n";
        m_out.flushIfFull();
    }

    void file(const FileEntryView &e, std::string_view, std::string_view name) override
    {
        std::string &o = m_out.text();
        if (!m_tableOpen) {
            o += kTableHead;
            m_tableOpen = true;
        }
        o += "<tr class=\"f\"><td>";
        if (!m_picture.empty()) {
            o += "<img class=\"pic\" loading=\"lazy\" alt=\"\" src=\"data:image/jpeg;base64,";
            o += QByteArray::fromRawData(m_picture.data(), static_cast<qsizetype>(m_picture.size()))
                     .toBase64()
                     .toStdString();
            o += "\">";
            m_picture = {};
        }
        AppendHtmlText(o, name);
        for (const int k : {FT_SIZE, FT_DATE, FT_DESCRIPTION, FT_CATEGORY}) {
            o += "<td>";
            AppendHtmlText(o, m_utf8(e[static_cast<std::size_t>(k)]));
        }
        o += "</tr>\n";
        m_out.flushIfFull();
    }

    void endFolder() override
    {
        closeTable();
        m_out += "</details>\n";
    }
    void endListing() override {}
    void end() override { m_out += kScript; }

private:
    // A folder's table ends before its first sub-folder and at its end.
    void closeTable()
    {
        if (m_tableOpen)
            m_out += "</tbody></table>\n";
        m_tableOpen = false;
    }

    Output &m_out;
    Utf8Text m_utf8;
    const ListingInfo *m_listing = nullptr;
    bool m_tableOpen = false;
    const bool m_pictures;
    std::string_view m_picture; // of the file told of next

};

} // namespace

std::unique_ptr<Writer> MakeHtmlWriter(Output &out, bool pictures)
{
    return std::make_unique<HtmlWriter>(out, pictures);
}

} // namespace rkm::exporting
