// A child process started with posix_spawn (safe in a program with many threads), watched
// through a pipe with poll and reaped with waitpid.
#include "common/ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace qel {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kChunk = 64 * 1024;
// How often an exited-but-not-yet-reaped child is looked at after its output has ended.
constexpr std::chrono::milliseconds kReapPoll{2};

[[noreturn]] void fail(int error, const std::string& what) {
    throw std::system_error(error, std::generic_category(), what);
}

// A file descriptor closed on every way out.
struct Fd {
    int fd = -1;
    Fd() = default;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    void reset() {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
};

// The spawn settings, destroyed on every way out.
struct SpawnSettings {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    SpawnSettings() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;
};

// Kills and reaps the child unless it was reaped already.
class Child {
public:
    explicit Child(pid_t pid) : pid_(pid) {}
    ~Child() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The child's wait status once it has ended; false while it runs.
    bool reaped(int& status, bool block) {
        for (;;) {
            const pid_t got = ::waitpid(pid_, &status, block ? 0 : WNOHANG);
            if (got == pid_) {
                pid_ = -1;
                return true;
            }
            if (got == 0)
                return false;
            if (errno != EINTR)
                fail(errno, "waitpid");
        }
    }
    void kill() { ::kill(pid_, SIGKILL); }

private:
    pid_t pid_;
};

ChildResult ended(ChildResult result, int status) {
    if (WIFSIGNALED(status)) {
        result.end = ChildResult::End::Signalled;
        result.status = WTERMSIG(status);
    } else {
        result.end = ChildResult::End::Exited;
        result.status = WEXITSTATUS(status);
    }
    return result;
}

} // namespace

ChildResult runChild(const std::string& program, const std::vector<std::string>& arguments,
                     std::chrono::milliseconds timeout, std::size_t maxOutput,
                     const std::vector<std::string>& environment, const OutputSink& sink) {
    const Clock::time_point deadline = Clock::now() + timeout;
    Fd readEnd, writeEnd;
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            fail(errno, "pipe");
        readEnd.fd = fds[0];
        writeEnd.fd = fds[1];
    }

    SpawnSettings settings;
    posix_spawn_file_actions_addopen(&settings.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&settings.actions, writeEnd.fd, 1);
    posix_spawn_file_actions_addopen(&settings.actions, 2, "/dev/null", O_WRONLY, 0);
    // The child starts with no signal blocked and every signal at its default, whatever this
    // process has set up (a broken pipe must end it, not be ignored).
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&settings.attributes, &none);
    posix_spawnattr_setsigdefault(&settings.attributes, &all);
    posix_spawnattr_setflags(&settings.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<std::string> args{program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> variables = environment;
    for (char** v = environ; *v; ++v) {
        const std::string_view entry(*v);
        const std::string_view name = entry.substr(0, entry.find('=') + 1);
        if (std::none_of(environment.begin(), environment.end(),
                         [&](const std::string& e) { return e.starts_with(name); }))
            variables.emplace_back(entry);
    }
    std::vector<char*> envp;
    for (auto& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    pid_t pid = 0;
    if (const int rc = posix_spawn(&pid, program.c_str(), &settings.actions, &settings.attributes,
                                   argv.data(), envp.data());
        rc != 0)
        fail(rc, program);
    Child child(pid);
    writeEnd.reset();

    ChildResult result;
    std::string chunk;
    std::size_t total = 0;
    const auto remainingMs = [&] {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        return static_cast<int>(std::clamp<long long>(left.count(), 0, 60'000));
    };
    for (;;) {
        if (Clock::now() >= deadline) {
            child.kill();
            result.end = ChildResult::End::TimedOut;
            int status = 0;
            child.reaped(status, true);
            return result;
        }
        pollfd p{readEnd.fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, remainingMs());
        if (ready < 0 && errno != EINTR)
            fail(errno, "poll");
        if (ready <= 0)
            continue;
        // Without a sink the output grows in place; with one, one chunk is read into and reused.
        std::string& into = sink ? chunk : result.output;
        const std::size_t before = sink ? 0 : into.size();
        into.resize(before + kChunk);
        const ssize_t got = ::read(readEnd.fd, into.data() + before, kChunk);
        into.resize(before + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            fail(errno, "read");
        }
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
        if (total > maxOutput) {
            child.kill();
            result.end = ChildResult::End::TooMuchOutput;
            int status = 0;
            child.reaped(status, true);
            return result;
        }
        if (sink)
            sink(chunk);
    }

    // The output has ended; the child may still be running (it closed its output, or a child of
    // its own holds the pipe no longer). It gets the rest of its time to end.
    int status = 0;
    while (!child.reaped(status, false)) {
        if (Clock::now() >= deadline) {
            child.kill();
            child.reaped(status, true);
            result.end = ChildResult::End::TimedOut;
            return result;
        }
        std::this_thread::sleep_for(kReapPoll);
    }
    return ended(std::move(result), status);
}

} // namespace qel
