// Registration of the books subsystem.
#include "app/books/Books.h"

#include "app/books/Depr.h"
#include "app/shell/Subsystems.h"

namespace qel {

void registerBooks(SubsystemParts& parts) {
    registerServices(static_cast<MonthlyDeprServices&>(parts.make<BookDepreciation>()));
}

} // namespace qel
