// A long data command (an export, an import of thousands of rows) run on a thread of its own,
// with its own connection to the program's database, while a progress window shows what it
// reports and the program's windows keep painting (they take no input meanwhile).
//
// The work runs to its end and is not cancelled; what it raises is raised again to the caller on
// the user-interface thread, where every box is shown.
#pragma once

#include <QString>

#include <functional>
#include <mutex>

namespace qel::exchange {

// What the work reports while it runs; safe to call from the work's thread.
class JobProgress {
public:
    // The step being done and how far it is (`maximum` 0: no measure, a busy indicator).
    void report(const QString& step, int value = 0, int maximum = 0);

    struct State {
        QString step;
        int value = 0;
        int maximum = 0;
    };
    State state() const;

private:
    mutable std::mutex mutex_;
    State state_;
};

// Runs `work` on its own thread connected to the database the calling thread is connected to,
// showing `title` and the reported steps in a modal progress window (after half a second).
// Throws what the work throws, and ServerError (not connected) when the calling thread has no
// connection.
void runInBackground(const QString& title, const std::function<void(JobProgress&)>& work);

} // namespace qel::exchange
