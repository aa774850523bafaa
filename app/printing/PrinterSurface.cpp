#include "app/printing/PrinterSurface.h"

#include "common/ServerError.h"

#include <QFontMetricsF>
#include <QPageLayout>

namespace qel::printing {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;

QPageLayout::Orientation pageOrientation(Orientation o) {
    return o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

PrinterSurface::PrinterSurface(ProgramPrinter& printer)
    : printer_(printer), orientation_(printer.printer.pageLayout().orientation() == QPageLayout::Landscape
                                          ? Orientation::Landscape
                                          : Orientation::Portrait) {}

PrinterSurface::~PrinterSurface() {
    abandon();
}

void PrinterSurface::setFontName(const std::string& face) {
    printer_.face = face;
}

void PrinterSurface::setFontSize(double points) {
    printer_.points = points;
}

void PrinterSurface::setBold(bool bold) {
    printer_.bold = bold;
}

void PrinterSurface::setOrientation(Orientation orientation) {
    orientation_ = orientation;
    if (!painter_)
        printer_.printer.setPageOrientation(pageOrientation(orientation));
}

Orientation PrinterSurface::orientation() const {
    return orientation_;
}

PageArea PrinterSurface::printableArea() const {
    QPageLayout layout = printer_.printer.pageLayout();
    layout.setOrientation(pageOrientation(orientation_));
    const QRectF area = layout.paintRect(QPageLayout::Point);
    return {area.width() * kTwipsPerPoint, area.height() * kTwipsPerPoint};
}

double PrinterSurface::textWidth(std::string_view text) const {
    const QFontMetricsF metrics(font(), &printer_.printer);
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return metrics.horizontalAdvance(shown) * kTwipsPerInch / printer_.printer.resolution();
}

double PrinterSurface::lineHeight() const {
    const QFontMetricsF metrics(font(), &printer_.printer);
    return metrics.height() * kTwipsPerInch / printer_.printer.resolution();
}

double PrinterSurface::currentY() const {
    return y_;
}

void PrinterSurface::setX(int twips) {
    x_ = twips;
}

void PrinterSurface::setY(int twips) {
    y_ = twips;
}

QFont PrinterSurface::font() const {
    QFont f(QString::fromStdString(printer_.face));
    f.setPointSizeF(printer_.points);
    f.setBold(printer_.bold);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

double PrinterSurface::toDevice(double twips) const {
    return twips * printer_.printer.resolution() / kTwipsPerInch;
}

void PrinterSurface::fail(const std::string& cause) const {
    throw ServerError(kPrinterError, "Printer", "Printer error: " + cause, ErrorKind::Io);
}

void PrinterSurface::open() {
    if (painter_)
        return;
    printer_.printer.setPageOrientation(pageOrientation(orientation_));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer_.printer)) {
        const QString where = printer_.printer.outputFileName().isEmpty() ? printer_.printer.printerName()
                                                                          : printer_.printer.outputFileName();
        fail("the printer cannot start a job on '" + where.toStdString() + "'.");
    }
    painter_ = std::move(painter);
}

void PrinterSurface::print(std::string_view text, bool endLine) {
    open();
    const QFont f = font();
    painter_->setFont(f);
    const QFontMetricsF metrics(f, &printer_.printer);
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter_->drawText(QPointF(toDevice(x_), toDevice(y_) + metrics.ascent()), shown);
    const double toTwips = kTwipsPerInch / printer_.printer.resolution();
    if (endLine) {
        x_ = 0;
        y_ += metrics.height() * toTwips;
    } else {
        x_ += metrics.horizontalAdvance(shown) * toTwips;
    }
}

void PrinterSurface::newPage() {
    open();
    printer_.printer.setPageOrientation(pageOrientation(orientation_));
    if (!printer_.printer.newPage())
        fail("the printer cannot start a new page.");
    x_ = 0;
    y_ = 0;
}

void PrinterSurface::endDoc() {
    if (!painter_)
        return;
    painter_->end();
    painter_.reset();
    x_ = 0;
    y_ = 0;
}

void PrinterSurface::abandon() {
    if (!painter_)
        return;
    printer_.printer.abort();
    painter_->end();
    painter_.reset();
    x_ = 0;
    y_ = 0;
}

} // namespace qel::printing
