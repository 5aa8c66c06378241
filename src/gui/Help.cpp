#include "gui/Help.h"

#include "service/Language.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

// The pages and pictures are compiled into the program; in a static library
// they must be asked for to be linked in.
static void initResources()
{
    Q_INIT_RESOURCE(rackmere);
}

namespace rkm {

void InitResources()
{
    static const bool once = (initResources(), true);
    (void)once;
}

namespace {

// A page in the language shown (help/<code>/), where it is translated.
QUrl pageUrl(const QString &page)
{
    const QString translated = QStringLiteral("/help/%1/%2").arg(ShownLanguage(), page);
    if (QFile::exists(QLatin1Char(':') + translated))
        return QUrl(QStringLiteral("qrc:") + translated);
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

QUrl topicUrl(int context)
{
    switch (context) {
    case HELP_MAIN_WINDOW:
    case HELP_ADD_NEW:
    case HELP_SEARCH:
    case HELP_PRINT_OPTIONS:
    case HELP_FILE_PROPERTIES:
    case HELP_LISTING_PROPERTIES:
    case HELP_EXPORT:
    case HELP_DUPLICATES:
    case HELP_COMPARE:
        return pageUrl(QStringLiteral("topic%1.html").arg(context));
    default:
        return pageUrl(QStringLiteral("contents.html"));
    }
}

// The help window: one for the whole run, brought forward at a new topic.
class HelpViewer final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(rkm::HelpViewer)

public:
    HelpViewer() : QWidget(nullptr, Qt::Window)
    {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(tr("Rackmere Help"));
        setAttribute(Qt::WA_QuitOnClose, false);
        auto *layout = new QVBoxLayout(this);
        auto *buttons = new QHBoxLayout;
        auto *contents = new QPushButton(tr("&Contents"), this);
        auto *back = new QPushButton(tr("&Back"), this);
        auto *forward = new QPushButton(tr("&Forward"), this);
        contents->setObjectName(QStringLiteral("cmdContents"));
        back->setObjectName(QStringLiteral("cmdBack"));
        forward->setObjectName(QStringLiteral("cmdForward"));
        buttons->addWidget(contents);
        buttons->addWidget(back);
        buttons->addWidget(forward);
        buttons->addStretch();
        layout->addLayout(buttons);
        m_browser = new QTextBrowser(this);
        m_browser->setObjectName(QStringLiteral("txtHelp"));
        m_browser->setOpenExternalLinks(true);
        layout->addWidget(m_browser);
        back->setEnabled(false);
        forward->setEnabled(false);
        connect(contents, &QPushButton::clicked, this, [this] { m_browser->setSource(topicUrl(HELP_CONTENTS)); });
        connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
        connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
            const QString title = m_browser->documentTitle();
            setWindowTitle(title.isEmpty() ? tr("Rackmere Help") : tr("Rackmere Help - %1").arg(title));
        });
        // Esc and Ctrl+W close the window, as they close a browser's page.
        for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            auto *shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, &QWidget::close);
        }
        resize(640, 560);
    }

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};

QPointer<HelpViewer> g_viewer;

} // namespace

void ShowHelp(QWidget *parent, int context)
{
    InitResources();
    if (!g_viewer) {
        g_viewer = new HelpViewer;
        g_viewer->setAttribute(Qt::WA_DeleteOnClose);
        if (parent) {
            // Beside the window that asked, where the screen allows.
            const QRect avail = parent->screen() ? parent->screen()->availableGeometry() : QRect();
            QPoint at = parent->window()->frameGeometry().topRight() + QPoint(8, 0);
            if (avail.isValid() && at.x() + g_viewer->width() > avail.right())
                at.setX(std::max(avail.left(), avail.right() - g_viewer->width()));
            g_viewer->move(at);
        }
    }
    // A modal dialog blocks every window but its own children: the help for
    // it must be one of them to be usable.
    QWidget *owner = parent && parent->window()->isModal() ? parent->window() : nullptr;
    if (g_viewer->parentWidget() != owner) {
        const QPoint at = g_viewer->pos();
        g_viewer->setParent(owner, Qt::Window);
        g_viewer->move(at);
    }
    g_viewer->browser()->setSource(topicUrl(context));
    g_viewer->show();
    g_viewer->raise();
    g_viewer->activateWindow();
}

void SetHelpContext(QWidget *window, int context)
{
    if (!window)
        return;
    const char *const name = "rkmHelpShortcut";
    // Setting a new context replaces the old one.
    delete window->findChild<QShortcut *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    auto *f1 = new QShortcut(QKeySequence::HelpContents, window);
    f1->setObjectName(QString::fromLatin1(name));
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, window, [window, context] { ShowHelp(window, context); });
}

QWidget *HelpWindow()
{
    return g_viewer;
}

QTextBrowser *HelpBrowser()
{
    return g_viewer ? g_viewer->browser() : nullptr;
}

void CloseHelp()
{
    if (g_viewer)
        g_viewer->close();
}

} // namespace rkm
