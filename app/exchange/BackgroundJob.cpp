#include "app/exchange/BackgroundJob.h"

#include "app/shell/MdiMain.h"
#include "server/data/Database.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <future>
#include <thread>

namespace qel::exchange {
namespace {

// How often the progress window reads the reports, and how long a job runs before it shows.
constexpr int kRefreshMs = 100;
constexpr int kShowAfterMs = 500;

// Tells the waiting loop, from the worker thread, that the work has ended, however it ended.
class QuitWhenDone {
public:
    explicit QuitWhenDone(QEventLoop& loop) : loop_(loop) {}
    ~QuitWhenDone() { QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection); }
    QuitWhenDone(const QuitWhenDone&) = delete;
    QuitWhenDone& operator=(const QuitWhenDone&) = delete;

private:
    QEventLoop& loop_;
};

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

    // The task keeps what the work throws for the future, which raises it again on this thread.
    std::packaged_task<void()> task([&] {
        // Declared first, so that the loop is told to stop only once the connection has closed.
        const QuitWhenDone quit(loop);
        // The thread's own shared connection, to the calling thread's database whatever the INI
        // file names; it closes when the work ends.
        const ThreadConnectionScope connection(database);
        work(progress);
    });
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    loop.exec();
    worker.join();
    refresh.stop();
    done.get();
}

} // namespace qel::exchange
