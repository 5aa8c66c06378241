#include "scan/ui/Frmadding.h"
#include "gui/LocaleText.h"

#include "ui_Frmadding.h"

#include "platform/Text.h"
#include "platform/TextValues.h"
#include "gui/PlainText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLocale>
#include <QScreen>

#include <algorithm>
#include <thread>

namespace rkm {

namespace {

QString Elapsed(qint64 ms)
{
    const qint64 s = ms / 1000;
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

void SetText(QLabel *label, const QString &text, Qt::TextElideMode elide, bool &changed)
{
    const QString shown = label->fontMetrics().elidedText(text, elide, label->maximumWidth());
    if (label->text() == shown)
        return;
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : PlainToolTip(text));
    changed = true;
}

} // namespace

TfrmAdding::TfrmAdding(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TfrmAdding>())
{
    m_ui->setupUi(this);
    ShowLabelsAsPlainText(this);
    // A caption without buttons: Cancel or Esc stop the scan, and the window
    // goes when the scan is done.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);
    m_timer.setInterval(REPAINT_MS);
    connect(&m_timer, &QTimer::timeout, this, &TfrmAdding::showProgress);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &TfrmAdding::cmdCancelClick);
}

TfrmAdding::~TfrmAdding() = default;

QString TfrmAdding::ContentProgressText(uint64_t read, uint64_t toRead)
{
    // Files found after the count was taken may have been read already.
    return tr("Read %1 of %2").arg(SizeForPeople(read), SizeForPeople(std::max(read, toRead)));
}

std::unique_ptr<TreeNode> TfrmAdding::runScan(const std::string &root, const Walk &walk, bool readsContents)
{
    ScanControl control;
    std::unique_ptr<TreeNode> result;
    std::exception_ptr error;
    m_control = &control;
    m_root = platform::DecodeText(root);
    m_ended = m_cancelled = false;
    m_readsContents = readsContents;
    m_ui->lblAddingRead->setVisible(readsContents);
    m_ui->lblAddingRead->clear();
    m_repaints = 0;
    const int run = ++m_run;
    m_ui->cmdCancel->setEnabled(true);
    m_elapsed.start();
    showProgress();
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    if (scanStarting)
        scanStarting(control);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    std::thread worker([&, run] {
        try {
            result = walk(control);
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(this, [this, run] { walkEnded(run); }, Qt::QueuedConnection);
    });
    m_timer.start();
    exec();
    // Closed by other means than the end of the walk: the walk stops too.
    if (!m_ended) {
        m_cancelled = true;
        control.cancel();
    }
    worker.join();
    m_timer.stop();
    m_control = nullptr;
    QApplication::restoreOverrideCursor();

    // Cancel pressed while the window was up counts, also when the walk had
    // just ended: the user was told nothing else.
    if (m_cancelled)
        return nullptr;
    if (error) {
        try {
            std::rethrow_exception(error);
        } catch (const ScanCancelled &) {
            return nullptr;
        }
    }
    return result;
}

void TfrmAdding::walkEnded(int run)
{
    if (run != m_run || m_ended)
        return;
    m_ended = true;
    showProgress();
    done(m_cancelled ? QDialog::Rejected : QDialog::Accepted);
}

void TfrmAdding::showProgress()
{
    bool changed = false;
    if (m_control) {
        const ScanControl::Progress p = m_control->progress();
        QString folder = m_root;
        if (!p.folder.empty()) {
            if (!folder.endsWith(QLatin1Char('/')))
                folder += QLatin1Char('/');
            folder += platform::DecodeText(p.folder);
        }
        SetText(m_ui->lblAddingDir
, folder, Qt::ElideMiddle, changed);
        SetText(m_ui->lblAddingFile, platform::DecodeText(p.file), Qt::ElideRight, changed);
        SetText(m_ui->lblAddingCount,
                tr("%1, %2, %3")
                    .arg(tr("%Ln folders", nullptr, static_cast<int>(p.folders)),
                         tr("%Ln files", nullptr, static_cast<int>(p.files)), SizeForPeople(p.bytes)),
                Qt::ElideRight, changed);
        if (m_readsContents)
            SetText(m_ui->lblAddingRead, ContentProgressText(p.contentBytes, p.bytes), Qt::ElideRight, changed);
    }
    if (m_elapsed.isValid())
        SetText(m_ui->lblElapsed, tr("Elapsed time: %1").arg(Elapsed(m_elapsed.elapsed())), Qt::ElideRight, changed);
    if (changed)
        ++m_repaints;
}

void TfrmAdding::cmdCancelClick()
{
    reject();
}

void TfrmAdding::reject()
{
    if (!m_control || m_ended) {
        QDialog::reject();
        return;
    }
    m_cancelled = true;
    m_control->cancel();
    m_ui->cmdCancel->setEnabled(false);
}

void TfrmAdding::closeEvent(QCloseEvent *event)
{
    // Closing the window while the walk runs asks it to stop; the window goes
    // when it has.
    if (m_control && !m_ended) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace rkm
