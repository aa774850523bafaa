// Runs a call that must not block in a child process of its own, so that a test of it fails
// rather than hangs when it does block: the child is ended by SIGALRM once `limitSeconds` have
// passed. The limit is no measure of speed, only a bound on a wait that would otherwise never
// end; choose it far beyond what the call takes on a loaded machine.
//
// The child is a fork of the test, so the call sees the test's state as it stood; what the call
// changes in memory stays in the child. The child reports back only an exit code: the call's
// result (0 to 125). It ends with _exit, running no destructors and no leak check.
#pragma once

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace qel::test {

struct GuardedResult {
    bool returned = false; // the call returned within the limit (else it blocked, or crashed)
    int code = -1;         // the call's result when it returned
    int signal = 0;        // the signal that ended the child when it did not return

    // For test messages: "returned 3", "ended by signal 14 (blocked past its limit)".
    std::string describe() const {
        if (returned)
            return "returned " + std::to_string(code);
        return "ended by signal " + std::to_string(signal) +
               (signal == SIGALRM ? " (blocked past its limit)" : "");
    }
};

inline GuardedResult runGuarded(const std::function<int()>& call, unsigned limitSeconds = 120) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return {};
    if (pid == 0) {
        ::signal(SIGALRM, SIG_DFL);
        ::alarm(limitSeconds);
        int code = 125;
        try {
            code = call();
        } catch (...) {
            code = 124;
        }
        std::fflush(nullptr);
        ::_exit(code);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    GuardedResult result;
    if (WIFEXITED(status)) {
        result.returned = true;
        result.code = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

} // namespace qel::test
