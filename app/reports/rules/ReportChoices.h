// The rules of the two report choice windows: the tax report choice frmTaxReports (which report
// of an alternative book, for which year) and the asset listing's location choice frmLocation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qel::reports {

// The captions of the tax report choice's options, in their order (optReports_0 to _5). The
// report run is "Books " followed by the caption.
inline constexpr std::array<const char*, 6> kTaxReportCaptions = {
    "Depreciation WorkSheet", "179 WorkSheet", "New Assets WorkSheet",
    "Disposed Assets",        "New Assets",    "50 Year Assets"};

// The report of the option chosen ("Books " and its caption); empty when none is (index -1).
std::string taxReportName(int option);

struct ChoiceCheck {
    bool ok;
    // What is missing, " Please select a report. ", " Year is required " and " Book is
    // required " in that order, joined without separators; empty when nothing is.
    std::string message;
};

// Whether the tax report choice can run: a report, a year text and a book are all given.
ChoiceCheck ValidateReportChoice(std::string_view reportName, std::string_view year, std::string_view book);

// The location id that stands for every location, the entry "All" of the location choice.
inline constexpr std::int32_t kAllLocations = -13;

struct DialogPlace {
    double left; // twips
    double top;  // twips
};

// Where the location choice opens over the main window (its left, top, width and height, in
// twips): centred across, an eighth of the free height down.
DialogPlace locationDialogPlace(double mainLeft, double mainTop, double mainWidth, double mainHeight,
                                double dialogWidth, double dialogHeight);

} // namespace qel::reports
