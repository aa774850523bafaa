// Runs a program as a child process and collects what it writes to its standard output, within
// a time and a size limit. The child reads nothing (its standard input is /dev/null), its error
// output is dropped, and it starts with every signal at its default. Whatever happens, the child
// has ended and been reaped when runChild returns or throws.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

struct ChildResult {
    enum class End {
        Exited,        // `status` is its exit code
        Signalled,     // `status` is the signal that ended it
        TimedOut,      // killed when the time was up
        TooMuchOutput, // killed when its output passed the limit
    };
    End end = End::Exited;
    int status = 0;
    std::string output; // what it wrote before it ended (or was killed); empty with a sink
};

// Takes the child's output piece by piece as it comes. An exception it throws ends the child and
// leaves runChild.
using OutputSink = std::function<void(std::string_view bytes)>;

// Runs `program` (a path; the search path is not used) with `arguments` and the environment of
// this process, in which each "NAME=value" of `environment` takes the place of the variable of
// that name. Its output is collected in the result's `output`, or, with a sink, handed to the
// sink as it comes and not kept; `maxOutput` bounds it either way. Throws std::system_error when
// it cannot be started, and what the sink throws.
ChildResult runChild(const std::string& program, const std::vector<std::string>& arguments,
                     std::chrono::milliseconds timeout, std::size_t maxOutput,
                     const std::vector<std::string>& environment = {}, const OutputSink& sink = {});

} // namespace qel
