#include "app/printing/ProgramPrinter.h"

#include "app/printing/layout/PrintSurface.h"

namespace qel::printing {

ProgramPrinter::ProgramPrinter() : printer(QPrinter::HighResolution), face(kPrintFace) {}

ProgramPrinter& programPrinter() {
    static ProgramPrinter instance;
    return instance;
}

} // namespace qel::printing
