// Form 4562 output. The form filling itself is not part of this version: the operation
// reports that it is not available.
#include "form4562/Display4562.h"

namespace qel {

void Display4562::Do4562Form(std::int16_t, std::int32_t) {
    throw ServerError::notAvailable("Display4562", "Do4562Form");
}

} // namespace qel
