#include "scan/ui/Frmaddprogress.h"

#include "ui_Frmaddprogress.h"

#include "platform/Text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

namespace rkm {

TfrmAdding::TfrmAdding(QWidget *parent) : QWidget(parent, Qt::Dialog), m_ui(std::make_unique<Ui::TfrmAdding>())
{
    m_ui->setupUi(this);
    // A caption without buttons: the window goes when the scan is done.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);
}

TfrmAdding::~TfrmAdding() = default;

void TfrmAdding::closeEvent(QCloseEvent *event)
{
    if (m_running)
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void TfrmAdding::beginScan()
{
    m_running = true;
    m_repaints = 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    // Let the window system map the window; user input waits until the end.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
    m_sincePaint.start();
}

void TfrmAdding::endScan()
{
    showNames();
    hide();
    m_running = false;
    QApplication::restoreOverrideCursor();
}

void TfrmAdding::showNames()
{
    if (m_dirChanged)
        m_ui->lblAddingDir->setText(platform::DecodeText(m_dir));
    if (m_fileChanged)
        m_ui->lblAddingFile->setText(platform::DecodeText(m_file));
    m_dirChanged = m_fileChanged = false;
}

void TfrmAdding::tick()
{
    if (m_sincePaint.isValid() && m_sincePaint.elapsed() < REPAINT_MS)
        return;
    showNames();
    repaint();
    ++m_repaints;
    // Keeps the window system's "not responding" away without taking input.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePaint.start();
}

void TfrmAdding::enteringFolder(std::string_view name)
{
    m_dir.assign(name);
    m_dirChanged = true;
    tick();
}

void TfrmAdding::addingFile(std::string_view name)
{
    m_file.assign(name);
    m_fileChanged = true;
    tick();
}

} // namespace rkm
