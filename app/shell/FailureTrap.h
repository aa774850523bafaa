// FailureTrap: how a piece of work made of many small steps (the rows of a combo box or of a
// report list, the texts of a printout) meets failures. A failing step shows its error and the
// work goes on with the next step; when the next failure has the same number as the one before
// it, kCannotComplete is shown instead and the work stops, so a cause that fails every step
// costs the user two boxes, not one per step.
//
// Plain C++ without Qt: the report and printing rules use it with a sink of their own, the
// shell's windows with one that shows the error box.
#pragma once

#include "common/ServerError.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace qel {

// Where the work shows its messages (an OK box with the default title).
using MessageSink = std::function<void(const std::string& text)>;

inline const std::string kCannotComplete = "Can not complete operation. Exiting operation.";

// "Error in " + procedure + ". " + the description + " Error Number: " + the number: the box of
// most procedures that trap their failures.
inline std::string errorInText(const std::string& procedure, const CaughtFailure& failure) {
    return "Error in " + procedure + ". " + failure.description +
           " Error Number: " + std::to_string(failure.number);
}

class FailureTrap {
public:
    // `format` makes the box text of a failure.
    using Format = std::function<std::string(const CaughtFailure&)>;

    FailureTrap(Format format, MessageSink sink) : format_(std::move(format)), sink_(std::move(sink)) {}
    // A trap whose box is errorInText(procedure, ...).
    FailureTrap(std::string procedure, MessageSink sink)
        : FailureTrap([procedure = std::move(procedure)](
                          const CaughtFailure& failure) { return errorInText(procedure, failure); },
                      std::move(sink)) {}

    // Runs one step; any failure that leaves it (currentFailure) is shown as above. False when
    // the work must stop: this failure repeated the one before, or the work had stopped already
    // (the step is then not run).
    template <typename Step> bool step(Step&& body) {
        if (stopped_)
            return false;
        try {
            std::forward<Step>(body)();
        } catch (...) {
            failed(currentFailure());
        }
        return !stopped_;
    }

    // Some step has failed.
    bool anyFailed() const { return any_; }
    bool stopped() const { return stopped_; }

private:
    void failed(const CaughtFailure& failure) {
        if (any_ && failure.number == lastNumber_) {
            stopped_ = true;
            sink_(kCannotComplete);
            return;
        }
        any_ = true;
        lastNumber_ = failure.number;
        sink_(format_(failure));
    }

    Format format_;
    MessageSink sink_;
    bool any_ = false;
    std::int32_t lastNumber_ = 0;
    bool stopped_ = false;
};

} // namespace qel
