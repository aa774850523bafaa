// The registry of subsystems.
#include "app/shell/Subsystems.h"

namespace qel {

Subsystems& subsystems() {
    static Subsystems registry;
    return registry;
}

} // namespace qel
