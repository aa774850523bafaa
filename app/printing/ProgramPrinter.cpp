#include "app/printing/ProgramPrinter.h"

#include "app/printing/rules/PrintSurface.h"

namespace qel::printing {

ProgramPrinter::ProgramPrinter() : printer(QPrinter::HighResolution), face(kPrintFace) {
    // The printouts are laid out for US Letter (8.5 x 11 inches); the print dialog offers others.
    printer.setPageSize(QPageSize(QPageSize::Letter));
}

ProgramPrinter& programPrinter() {
    static ProgramPrinter instance;
    return instance;
}

} // namespace qel::printing
