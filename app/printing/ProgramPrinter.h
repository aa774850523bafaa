// The program's one printer: the QPrinter every printout goes to (US Letter unless the user
// chooses another paper), with the face, size and bold state that it keeps from one job to the
// next, as a printer object does.
#pragma once

#include <QPrinter>

#include <string>

namespace qel::printing {

struct ProgramPrinter {
    ProgramPrinter();

    QPrinter printer;
    std::string face;
    double points = 10;
    bool bold = false;
};

// The one instance, made on first use (after the application object).
ProgramPrinter& programPrinter();

} // namespace qel::printing
