#include "platform/LongWork.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <memory>

namespace vellumora::LongWork {

namespace {

// Closing the dialog, or Esc, asks the work to stop as Cancel does; the dialog stays until the
// work has, so nothing can be clicked meanwhile.
class ProgressDialog : public QProgressDialog {
public:
    ProgressDialog(QWidget* parent, bool cancellable)
        : QProgressDialog(parent)
        , m_cancellable(cancellable)
    {
        setObjectName(QStringLiteral("frmProgress"));
        setWindowTitle(QStringLiteral("Vellumora"));
        setWindowModality(Qt::ApplicationModal);
        setAutoClose(false);
        setAutoReset(false);
        setMinimumDuration(0);
        setRange(0, 0);
        // Its own cancel() would hide the dialog before the work stopped.
        disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
        if (!cancellable) {
            setCancelButton(nullptr);
        } else if (auto* button = findChild<QPushButton*>()) {
            button->setObjectName(QStringLiteral("cmdCancel"));
        }
    }

    void reject() override
    {
        if (m_cancellable) {
            emit canceled();
        }
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        reject();
    }

private:
    bool m_cancellable;
};

int g_running = 0;

// The dialog's text: what is done, and how far it has come once that is known.
QString progressText(const QString& what, const WorkProgress::Count& count)
{
    if (count.totalFiles <= 0) {
        return what;
    }
    const QLocale locale;
    //: %1 says what is done; then files and bytes done so far, of all there are.
    return QCoreApplication::translate("vellumora::LongWork", "%1\n\n%2 of %3 files, %4 of %5")
        .arg(what, locale.toString(std::min(count.files, count.totalFiles)),
            locale.toString(count.totalFiles),
            locale.formattedDataSize(std::min(count.bytes, count.totalBytes), 1, QLocale::DataSizeSIFormat),
            locale.formattedDataSize(count.totalBytes, 1, QLocale::DataSizeSIFormat));
}

} // namespace

bool running()
{
    return g_running > 0;
}

void run(QWidget* parent, const QString& what, WorkProgress& progress, const std::function<void()>& work,
    bool cancellable, int showAfterMs)
{
    ++g_running;
    std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer showTimer;
    showTimer.setSingleShot(true);
    QObject::connect(&showTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    thread->start();
    showTimer.start(showAfterMs);
    // Clicks and keys wait until the work is done or the modal dialog takes them.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!thread->isFinished()) {
        ProgressDialog dialog(parent, cancellable);
        const auto update = [&] {
            const WorkProgress::Count count = progress.count();
            dialog.setLabelText(progressText(what, count));
            if (count.totalBytes > 0) {
                dialog.setRange(0, 1000);
                dialog.setValue(int(std::min<qint64>(1000, count.bytes * 1000 / count.totalBytes)));
            } else if (count.totalFiles > 0) {
                dialog.setRange(0, count.totalFiles);
                dialog.setValue(std::min(count.files, count.totalFiles));
            }
        };
        QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
            progress.cancel();
            dialog.setLabelText(QCoreApplication::translate("vellumora::LongWork", "Cancelling..."));
            if (auto* button = dialog.findChild<QPushButton*>()) {
                button->setEnabled(false);
            }
        });
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, &dialog, [&] {
            if (!progress.cancelled()) {
                update();
            }
        });
        update();
        dialog.show();
        ticks.start(100);
        if (!thread->isFinished()) {
            loop.exec();
        }
    }
    // The event loops end early when the program is told to end: the work is stopped, not left
    // to write on.
    if (!thread->isFinished()) {
        progress.cancel();
        thread->wait();
    }
    --g_running;
}

} // namespace vellumora::LongWork
