// PrinterSurface: the print surface on the program's printer (a QPainter on its QPrinter). The
// job opens at the first text or page break and ends at endDoc(); a surface dropped with a job
// still open abandons it, so a printout stopped by an error prints nothing half-done.
//
// Twips become device pixels through the printer's resolution; positions count from the top-left
// corner of the printable area; Y is the top of the line, and a line end moves down by the height
// of the font in force. A job starts where the first text is placed; after a job, the position
// is back at the top-left corner.
#pragma once

#include "app/printing/ProgramPrinter.h"
#include "app/printing/rules/PrintSurface.h"

#include <QFont>
#include <QPainter>

#include <memory>

namespace qel::printing {

class PrinterSurface : public PrintSurface {
public:
    explicit PrinterSurface(ProgramPrinter& printer);
    ~PrinterSurface() override;
    PrinterSurface(const PrinterSurface&) = delete;
    PrinterSurface& operator=(const PrinterSurface&) = delete;

    void setFontName(const std::string& face) override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void setOrientation(Orientation orientation) override;
    Orientation orientation() const override;
    PageArea printableArea() const override;
    double textWidth(std::string_view text) const override;
    double lineHeight() const override;
    void setX(int twips) override;
    void setY(int twips) override;
    double currentY() const override;
    void print(std::string_view text, bool endLine) override;
    void newPage() override;
    void endDoc() override;

    // Abandons an open job: nothing of it is printed.
    void abandon();

private:
    void open();
    QFont font() const;
    double toDevice(double twips) const;
    [[noreturn]] void fail(const std::string& cause) const;

    ProgramPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    Orientation orientation_;
    double x_ = 0; // twips
    double y_ = 0;
};

} // namespace qel::printing
