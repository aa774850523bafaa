// Form 4562 output: the run from the marker check to the saved form.
#include "form4562/Display4562.h"

#include "common/DocumentsFolder.h"
#include "common/ServerError.h"
#include "form4562/FieldMaps.h"
#include "form4562/FormAmounts.h"
#include "form4562/FormPdf.h"
#include "server/support/DeprSupport.h"

#include <filesystem>
#include <fstream>
#include <limits>

namespace qel {
namespace {

namespace fs = std::filesystem;
constexpr const char* kClass = "Display4562";
// Where a user gets the templates of a new tax year.
constexpr const char* kUpdateSite = "www.qelcorvane.example";
// The first tax year that has a template.
constexpr std::int16_t kFirstFormYear = 2009;

// The last two characters of the year's integer text ("12" for 2012).
std::string yearDigits(std::int16_t intYear) {
    const std::string text = std::to_string(intYear);
    return text.size() > 2 ? text.substr(text.size() - 2) : text;
}

fs::path inDocuments(const std::string& name) {
    return fs::path(userDocumentsFolder()) / name;
}

[[noreturn]] void templateMissing(std::int16_t intYear) {
    throw ServerError(Display4562::kErrTemplateMissing, kClass,
                      "The 4562.Pdf file for year " + std::to_string(intYear) +
                          " is missing. Get your update from " + kUpdateSite + ".",
                      ErrorKind::NotAvailable);
}

} // namespace

Display4562::Display4562(OpenDocument openDocument) : openDocument_(std::move(openDocument)) {}

std::string Display4562::MarkerPath(std::int16_t intYear) {
    return inDocuments("4562_" + yearDigits(intYear) + ".fdf").string();
}

std::string Display4562::TemplatePath(std::int16_t intYear) {
    return inDocuments("4562_" + yearDigits(intYear) + ".pdf").string();
}

std::string Display4562::OutputPath(std::int16_t intYear, std::int32_t lngCompanyId) {
    return inDocuments("4562_" + yearDigits(intYear) + "_" + std::to_string(lngCompanyId) + ".pdf").string();
}

void Display4562::CheckFor4562File(std::int16_t intYear) const {
    const fs::path folder = userDocumentsFolder();
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw ServerError(76, kClass, "Path not found: " + folder.string(), ErrorKind::Io);
    const fs::path marker = MarkerPath(intYear);
    if (!fs::exists(marker, error))
        templateMissing(intYear);
    if (!std::ifstream(marker))
        throw ServerError(75, kClass, "Path/File access error: " + marker.string(), ErrorKind::Io);
}

void Display4562::Save179CarryOver(std::int32_t lngAmount, std::int16_t intYear, std::int32_t lngCompanyId) {
    DeprSupport support;
    support.Save179(lngAmount, intYear, lngCompanyId);
}

std::string Display4562::Do4562Form(std::int16_t intYear, std::int32_t lngCompanyId) {
    CheckFor4562File(intYear);

    form4562::FormValues values;
    form4562::RunTotals totals;
    form4562::listedPropertyAndVehicles(lngCompanyId, intYear, values);
    form4562::amortizationAndSection179(lngCompanyId, intYear, values, totals);
    if (values.line13 > 0) {
        if (intYear == std::numeric_limits<std::int16_t>::max())
            throw ServerError(kErrOverflow, kClass, "Overflow: the year after " + std::to_string(intYear),
                              ErrorKind::Conversion);
        Save179CarryOver(values.line13, static_cast<std::int16_t>(intYear + 1), lngCompanyId);
    }
    form4562::depreciationAndSummary(lngCompanyId, intYear, values, totals);

    if (intYear < kFirstFormYear)
        throw ServerError(kErrYearTooEarly, kClass,
                          "Form 4562 is only available for years greater then 2008.",
                          ErrorKind::InvalidArgument);

    const std::string output = OutputPath(intYear, lngCompanyId);
    const std::string pdf = TemplatePath(intYear);
    std::error_code error;
    if (!fs::is_regular_file(pdf, error))
        templateMissing(intYear);
    form4562::FieldFill fill(intYear, values);
    form4562::fillForm(
        pdf, output, 3, [&fill](std::int32_t index) -> const std::string& { return fill.next(index); },
        [intYear] { templateMissing(intYear); });
    if (openDocument_)
        openDocument_(output);

    if (totals.macrs50Year > 0 || totals.ads50Year > 0)
        throw ServerError(kErrFiftyYearAssets, kClass,
                          "There are 50 year assets. Print 50 Year Report and include with return.",
                          ErrorKind::InvalidArgument);
    return output;
}

} // namespace qel
