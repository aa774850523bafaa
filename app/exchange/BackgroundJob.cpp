#include "app/exchange/BackgroundJob.h"

#include "app/shell/MdiMain.h"
#include "server/data/Database.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <exception>
#include <thread>

namespace qel::exchange {
namespace {

// How often the progress window reads the reports, and how long a job runs before it shows.
constexpr int kRefreshMs = 100;
constexpr int kShowAfterMs = 500;

} // namespace

void JobProgress::report(const QString& step, int value, int maximum) {
    const std::lock_guard lock(mutex_);
    state_ = {step, value, maximum};
}

JobProgress::State JobProgress::state() const {
    const std::lock_guard lock(mutex_);
    return state_;
}

void runInBackground(const QString& title, const std::function<void(JobProgress&)>& work) {
    const std::string database = requireConnection().path();
    JobProgress progress;
    std::exception_ptr failure;
    QEventLoop loop;

    QProgressDialog dialog(title, QString(), 0, 0, MdiMain::instance());
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(kShowAfterMs);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &dialog, [&] {
        const JobProgress::State s = progress.state();
        if (!s.step.isEmpty())
            dialog.setLabelText(s.step);
        dialog.setMaximum(s.maximum);
        dialog.setValue(s.maximum > 0 ? s.value : 0);
    });
    refresh.start(kRefreshMs);

    std::thread worker([&] {
        try {
            // The thread's own shared connection, to the calling thread's database whatever the
            // INI file names; it closes when the work ends.
            startDataServerThread();
            GetDbConnection(database);
            work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        gConn().reset();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    refresh.stop();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace qel::exchange
