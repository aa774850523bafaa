// PrintTrap: how the printouts meet a printer that fails. A failing step shows its error and
// the printout goes on with the next step; when the next failure has the same number as the
// one before it, "Can not complete operation. Exiting operation." is shown and the printout
// stops, so a printer that cannot print at all costs the user two boxes, not one per text.
#pragma once

#include "common/ServerError.h"

#include <cstdint>
#include <functional>
#include <string>

namespace qel::printing {

// Where a printout shows its messages (an OK box with the default title).
using MessageSink = std::function<void(const std::string& text)>;

inline const std::string kCannotComplete = "Can not complete operation. Exiting operation.";

class PrintTrap {
public:
    // `format` makes the box text of a failure from its description and number.
    PrintTrap(std::function<std::string(const ServerError&)> format, MessageSink sink)
        : format_(std::move(format)), sink_(std::move(sink)) {}

    // Runs one step. False when the printout must stop (the failure repeated).
    template <typename Step> bool step(Step&& body) {
        if (stopped_)
            return false;
        try {
            body();
        } catch (const ServerError& e) {
            failed(e);
        }
        return !stopped_;
    }

    bool stopped() const { return stopped_; }

private:
    void failed(const ServerError& e) {
        if (any_ && e.number() == lastNumber_) {
            stopped_ = true;
            sink_(kCannotComplete);
            return;
        }
        any_ = true;
        lastNumber_ = e.number();
        sink_(format_(e));
    }

    std::function<std::string(const ServerError&)> format_;
    MessageSink sink_;
    bool any_ = false;
    std::int32_t lastNumber_ = 0;
    bool stopped_ = false;
};

} // namespace qel::printing
