// The registry of subsystems and the keeping of their parts.
#include "app/shell/Subsystems.h"

#include "app/shell/Commands.h"

namespace qel {

Subsystems& subsystems() {
    static Subsystems registry;
    return registry;
}

SubsystemParts::~SubsystemParts() {
    subsystems() = Subsystems();
    commands().clear();
    while (!parts_.empty())
        parts_.pop_back();
}

} // namespace qel
