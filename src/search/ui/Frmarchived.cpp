#include "search/ui/Frmarchived.h"

#include "gui/BackgroundSearch.h"
#include "platform/Text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>
#include <memory>

namespace rkm {

TfrmArchived::TfrmArchived(CatalogStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_status(new QLabel(this)), m_view(new QTreeWidget(this)),
      m_close(new QPushButton(tr("&Close"), this)), m_search(new BackgroundSearch(this))
{
    setWindowTitle(tr("Is this archived?"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_view->setObjectName(QStringLiteral("lstArchived"));
    m_view->setAccessibleName(tr("Archived files"));
    m_view->setColumnCount(2);
    m_view->setHeaderLabels({tr("File"), tr("Where it is held")});
    m_view->setRootIsDecorated(true);
    m_view->setUniformRowHeights(true);
    m_view->header()->setStretchLastSection(true);
    m_close->setObjectName(QStringLiteral("CloseBtn"));
    m_close->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(640, 360);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmArchived::~TfrmArchived()
{
    m_search->cancel();
}

bool TfrmArchived::running() const
{
    return m_search->running();
}

QString TfrmArchived::status() const
{
    return m_status->text();
}

void TfrmArchived::reject()
{
    m_search->cancel();
    QDialog::reject();
}

void TfrmArchived::check(const QStringList &paths)
{
    m_view->clear();
    m_status->setText(paths.size() == 1
                          ? tr("Reading %1...").arg(paths[0])
                          : tr("Reading %Ln files and folders...", nullptr, static_cast<int>(paths.size())));
    std::vector<std::string> names;
    for (const QString &p : paths)
        names.push_back(p.toStdString());
    auto read = std::make_shared<std::vector<LocalFile>>();
    m_search->start([read, names = std::move(names)](
                        const std::atomic<bool> &stop) { *read = FingerprintLocalFiles(names, &stop); },
                    [this, read](std::exception_ptr error) {
                        if (error) {
                            try {
                                std::rethrow_exception(error);
                            } catch (const std::exception &e) {
                                m_status->setText(tr("The files could not be read: %1")
                                                      .arg(QString::fromUtf8(e.what())));
                            } catch (...) {
                                m_status->setText(tr("The files could not be read."));
                            }
                            return;
                        }
                        showAnswer(std::move(*read));
                    });
}

void TfrmArchived::showAnswer(std::vector<LocalFile> files)
{
    // The store is asked here, on its own thread.
    const std::vector<HeldFile> held = WhereHeld(m_store, std::move(files));
    int archived = 0;
    for (const HeldFile &h : held) {
        auto *row = new QTreeWidgetItem(m_view);
        row->setText(0, QString::fromStdString(h.file.path));
        if (!h.file.fingerprint) {
            row->setText(1, tr("not archived: could not be read (%1)")
                                .arg(QString::fromStdString(LocalFileProblem(h.file))));
            continue;
        }
        if (h.copies.empty()) {
            row->setText(1, tr("not archived"));
            continue;
        }
        ++archived;
        row->setText(1, tr("held in %Ln places", nullptr, static_cast<int>(h.copies.size())));
        for (const CatalogStore::HeldCopy &c : h.copies) {
            auto *copy = new QTreeWidgetItem(row);
            copy->setText(0, platform::DecodeText(m_store.Tree().displayName(*c.disk)));
            copy->setText(1, platform::DecodeText(c.path));
        }
        row->setExpanded(true);
    }
    const int total = static_cast<int>(held.size());
    if (total == 0)
        m_status->setText(tr("No file was found to read."));
    else if (archived == total)
        m_status->setText(total == 1 ? tr("The file is archived.") : tr("All %Ln files are archived.", nullptr, total));
    else
        m_status->setText(
            tr("%1 of %Ln files are not archived.", nullptr, total).arg(QLocale().toString(total - archived)));
    if (!m_store.storeProblem().empty())
        m_status->setText(m_status->text() + QLatin1Char(' ') +
                          tr("The store beside the listings could not be read: %1")
                              .arg(QString::fromStdString(m_store.storeProblem())));
    m_view->resizeColumnToContents(0);
}

} // namespace rkm
