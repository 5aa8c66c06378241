#include "support/AllDialogs.h"

#include "app/DisksOverview.h"
#include "export/ui/Frmexport.h"
#include "print/ui/Frmaddfilter.h"
#include "print/ui/Frmprint.h"
#include "print/ui/Frmprintpreview.h"
#include "scan/ui/Formrename.h"
#include "scan/ui/Frmadding.h"
#include "scan/ui/Frmaddnew.h"
#include "scan/ui/Frmcompare.h"
#include "scan/ui/Frmprops.h"
#include "search/ui/Frmarchived.h"
#include "search/ui/Frmduplicates.h"
#include "search/ui/Frmlistproperties.h"
#include "search/ui/Frmsavedsearches.h"
#include "search/ui/Frmsearch.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace rkm::test {

AllDialogs::AllDialogs()
    : m_store(m_programDir.path()), m_alpha(MakeDisk("Alpha", 2, {{"Docs", 3}})),
      m_beta(MakeDisk("Beta", 1)), m_disks{m_alpha.get(), m_beta.get()}, m_page(540, 470, QImage::Format_RGB32)
{
    m_page.fill(Qt::white);
    m_makers = {
        {"TfrmAddNew", [] { return std::make_unique<TfrmAddNew>(); }},
        {"TfrmAdding", [] { return std::make_unique<TfrmAdding>(); }},
        {"TfrmCompare",
         [this] {
             auto d = std::make_unique<TfrmCompare>();
             d->setListings(m_alpha.get(), {m_beta.get()});
             return d;
         }},
        {"TfrmProps",
         [this] {
             auto d = std::make_unique<TfrmProps>();
             d->SetPropsNode(m_alpha.get());
             return d;
         }},
        {"TFormRename",
         [] {
             auto d = std::make_unique<TFormRename>();
             d->setStoredName("Alpha");
             return d;
         }},
        {"TfrmDuplicates",
         [this] {
             auto d = std::make_unique<TfrmDuplicates>();
             d->setListings(m_disks, m_alpha.get());
             return d;
         }},
        {"TfrmArchived", [this] { return std::make_unique<TfrmArchived>(m_store); }},
        {"TfrmListProperties",
         [] {
             auto d = std::make_unique<TfrmListProperties>();
             d->setEntry(FileEntryView{"a.txt", "", "01/02/2020", "1 Kb", ""}, {"Docs"}, "/");
             return d;
         }},
        {"TfrmSearch",
         [this] {
             auto d = std::make_unique<TfrmSearch>();
             d->setCategories({"Docs"});
             d->setListings(m_disks, m_alpha.get());
             return d;
         }},
        {"TfrmExport",
         [] {
             auto d = std::make_unique<TfrmExport>();
             d->setChoices(QStringLiteral("Alpha"), 2);
             return d;
         }},
        {"TfrmPrint", [this] { return std::make_unique<TfrmPrint>(m_programDir.path(), m_settings); }},
        {"TfrmPrintPreview",
         [this] {
             auto d = std::make_unique<TfrmPrintPreview>();
             d->setPages(3, [this](int) { return m_page; });
             return d;
         }},
        {"TfrmAddFilter", [] { return std::make_unique<TfrmAddFilter>(); }},
        {"DisksOverview",
         [this] {
             auto d = std::make_unique<DisksOverview>(m_store);
             d->refresh();
             return d;
         }},
        {"TfrmSavedSearches",
         [] {
             return std::make_unique<TfrmSavedSearches>(std::vector<SavedSearch>{
                 {QStringLiteral("Music"), QStringLiteral("ext:mp3;flac")}});
         }},
    };
}

QStringList AllDialogs::InSources()
{
    QStringList found;
    QDirIterator it(QStringLiteral(RACKMERE_SOURCE_DIR "/src"), {"*.ui", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(f.fileName()));
        const QString text = QString::fromUtf8(f.readAll());
        const QRegularExpression pattern(f.fileName().endsWith(".ui")
                                             ? QStringLiteral("<class>(\\w+)</class>\\s*<widget class=\"QDialog\"")
                                             : QStringLiteral("class (\\w+) final : public QDialog"));
        for (const QRegularExpressionMatch &m : pattern.globalMatch(text))
            found << m.captured(1);
    }
    found.removeDuplicates();
    return found;
}

} // namespace rkm::test
