#include "support/GuiTestSupport.h"

#include "app/Frmsplash.h"
#include "gui/Help.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBrowser>

namespace rkm::test {

ModalScript::ModalScript()
{
    // The progress window of a scan closes itself when the walk ends.
    leaveAlone("rkm::TfrmAdding");
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
    m_timer.start();
}

void ModalScript::then(const char *className, std::function<void(QDialog *)> act)
{
    m_steps.push_back({className, std::move(act)});
}

void ModalScript::poll()
{
    auto *w = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!w || !w->isVisible() || m_busy)
        return;
    for (const char *c : m_leftAlone)
        if (w->inherits(c))
            return;
    m_busy = true;
    const QString name = QString::fromLatin1(w->metaObject()->className());
    if (m_steps.empty() || !w->inherits(m_steps.front().className)) {
        unexpected << name;
        w->done(2);
    } else {
        Step s = m_steps.front();
        m_steps.pop_front();
        seen << name;
        s.act(w);
    }
    m_busy = false;
}

void ReportUnexpected(const ModalScript &script)
{
    if (!script.unexpected.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("unexpected modal window: ") + script.unexpected.join(u',')), __FILE__,
                     __LINE__);
}

QString DesktopProgram()
{
    return QStringLiteral(RACKMERE_APP);
}

QUrl HelpPageOnF1(QWidget &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QTest::qWaitForWindowActive(&dialog))
        return {};
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != &dialog)
        return {};
    QTest::keyClick(focus, Qt::Key_F1);
    const QUrl page = HelpBrowser() ? HelpBrowser()->source() : QUrl();
    CloseHelp();
    return page;
}

Sandbox::Sandbox() : programDir(m_program.path())
{
    auto folder = [](const std::string &path) { return QFile::encodeName(QDir::cleanPath(QString::fromStdString(path))); };
    qputenv("XDG_CONFIG_HOME", folder(m_config.path()));
    // The search index the window keeps is a cache of the test's own too.
    qputenv("XDG_CACHE_HOME", folder(m_cache.path()));
    qputenv("RACKMERE_DIR", folder(programDir));
    TfrmSplash::setMinimumMillisecondsForTests(0);
    // The machine's own mounts come and go as they will: a window in a test
    // hears of none unless the test tells it.
    TfrmMainTestAccess::setFollowerFactory([] { return std::make_unique<ManualFollower>(); });
}

void ManualFollower::mount(const MountedVolume &volume)
{
    mountedNow.push_back(volume);
    emit mounted(volume);
}

void ManualFollower::unmount(const MountedVolume &volume)
{
    std::erase(mountedNow, volume);
    emit unmounted(volume);
}

TfrmMain &Sandbox::Open()
{
    store = std::make_unique<CatalogStore>(programDir);
    if (presentSerial)
        store->serialSource = [this](const TDisk &) { return *presentSerial; };
    main = std::make_unique<TfrmMain>(*store);
    return *main;
}

} // namespace rkm::test
