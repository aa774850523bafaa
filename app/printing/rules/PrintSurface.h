// PrintSurface: the printer as the print routines drive it. Positions are twips (1/1440 inch)
// from the top-left corner of the printable area; a text is printed at the current position
// and either stays on the line (the next text follows it) or ends the line (the position goes
// to the left edge, one line height of the font in force further down).
//
// A surface is the program's one printer: it keeps its face, size, bold state and orientation
// from one job to the next, so every printout sets the orientation it is laid out for. The first
// text printed opens a job, endDoc() closes it.
//
// Nothing may be printed outside the printable area: the print routines measure their texts
// (textWidth, lineHeight) against it (printableArea) and cut, move or wrap what would not fit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qel::printing {

enum class Orientation { Portrait = 1, Landscape = 2 };

// A page's printable area, in twips.
struct PageArea {
    double width = 0;
    double height = 0;
};

// The error number of a printer that cannot print (the job cannot open, a page cannot be
// added); the surfaces raise it as ServerError with the cause in the description.
inline constexpr std::int32_t kPrinterError = 482;

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    virtual void setFontName(const std::string& face) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool bold) = 0;
    // Applies from the next page on (from the first when no job is open).
    virtual void setOrientation(Orientation orientation) = 0;
    virtual Orientation orientation() const = 0;

    // The printable area of a page in the orientation set last.
    virtual PageArea printableArea() const = 0;
    // How wide the text prints, and how far a line end moves down, in the font in force (twips).
    virtual double textWidth(std::string_view text) const = 0;
    virtual double lineHeight() const = 0;

    virtual void setX(int twips) = 0;
    virtual void setY(int twips) = 0;
    // The top of the line the next text goes on, in twips from the top of the printable area.
    virtual double currentY() const = 0;

    // Prints `text` (UTF-8) at the current position. Throws ServerError (kPrinterError) when
    // the printer cannot print.
    virtual void print(std::string_view text, bool endLine) = 0;
    // Ends the page; the next text goes to the top-left corner of a new one.
    virtual void newPage() = 0;
    // Ends the job and hands it to the printer; nothing when no job is open.
    virtual void endDoc() = 0;

    // A bare line end: an empty line when nothing else was printed on it.
    void endLine() { print({}, true); }
};

// The fixed-pitch face of every printout, so that fields counted in characters line up.
inline constexpr const char* kPrintFace = "Courier new";

} // namespace qel::printing
