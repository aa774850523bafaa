#include "app/printing/rules/AssetDetailPrinting.h"

#include "app/printing/rules/PrintText.h"

#include <vector>

namespace qel::printing {
namespace {

// The grid: label and value places of the three columns, in twips.
constexpr int kLabel1 = 400;
constexpr int kValue1 = 2000;
constexpr int kLabel2 = 4300;
constexpr int kValue2 = 6100;
constexpr int kLabel3 = 7800;
constexpr int kValue3 = 10000;

constexpr int kFirstLineY = 700;
constexpr int kCompanyX = 600;
constexpr int kDateX = 10000;
constexpr int kRuleX = 150;
constexpr std::size_t kRuleLength = 112;
constexpr std::size_t kClassLength = 35;
constexpr double kTitlePoints = 12;
constexpr double kBodyPoints = 9;
const std::string kTitle = "Asset Detail";

// The title's X: centred with the portrait constants of the list headings.
int titleX(const std::string& title) {
    return static_cast<int>((12200 - 145 * static_cast<long>(characterCount(title))) / 2);
}

struct Cell {
    int x;
    std::string text;
    bool label;
};

} // namespace

std::string conventionAbbreviation(std::int16_t convention) {
    switch (convention) {
    case 1:
        return "HY";
    case 2:
        return "MQ";
    case 3:
        return "MM";
    case 4:
        return " ";
    default:
        return {};
    }
}

void printAssetDetail(PrintSurface& surface, const AssetDetailPage& a, const std::string& companyName,
                      const Date& today, const MessageSink& messages) {
    PrintTrap trap(
        [](const ServerError& e) {
            return "Error in PrintAssetDetail " + e.description() + " " + std::to_string(e.number());
        },
        messages);
    auto step = [&](auto&& body) { return trap.step(body); };

    // A body line: each label bold, each value regular, the last value ending the line; then
    // an empty line unless told otherwise.
    auto line = [&](const std::vector<Cell>& cells, bool emptyLineAfter = true) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const Cell& c = cells[i];
            const bool last = i + 1 == cells.size();
            step([&] { surface.setX(c.x); });
            if (c.label) {
                step([&] { surface.setBold(true); });
                step([&] { surface.print(c.text, last); });
                step([&] { surface.setBold(false); });
            } else {
                step([&] { surface.print(c.text, last); });
            }
        }
        if (emptyLineAfter)
            step([&] { surface.endLine(); });
    };

    // The heading. The first line keeps the size and weight the printer holds.
    step([&] { surface.setFontName(kPrintFace); });
    step([&] { surface.setY(kFirstLineY); });
    step([&] { surface.setX(kCompanyX); });
    step([&] { surface.print(companyName, false); });
    step([&] { surface.setX(kDateX); });
    step([&] { surface.print(monthDayYear(today), true); });
    step([&] { surface.setBold(true); });
    step([&] { surface.endLine(); });
    step([&] { surface.setX(kRuleX); });
    step([&] { surface.print(repeated('_', kRuleLength), true); });
    step([&] { surface.endLine(); });
    step([&] { surface.setX(titleX(kTitle)); });
    step([&] { surface.setFontSize(kTitlePoints); });
    step([&] { surface.print(kTitle, true); });
    step([&] { surface.setX(kRuleX); });
    step([&] { surface.print(repeated('_', kRuleLength), true); });
    step([&] { surface.setFontSize(kBodyPoints); });
    step([&] { surface.setBold(false); });
    step([&] { surface.endLine(); });

    const bool notes = !a.notes.empty();
    line({{kLabel1, "Description:", true},
          {kValue1, a.description, false},
          {kLabel3, "Asset ID:", true},
          {kValue3, a.assetId, false}});
    line({{kLabel1, "Tax Method:", true},
          {kValue1, a.method, false},
          {kLabel2, "Life: ", true},
          {kValue2, a.life, false},
          {kLabel3, "Amortize Code:", true},
          {kValue3, a.amortizeCode, false}});
    line({{kLabel1, "Cost:", true},
          {kValue1, typedAmount(a.cost), false},
          {kLabel2, "Actual method:", true},
          {kValue2, a.methodCaption, false},
          {kLabel3, "Business %:", true},
          {kValue3, a.businessPercent, false}});
    line({{kLabel1, "179 Deduction:", true},
          {kValue1, typedAmount(a.section179), false},
          {kLabel2, "Salvage/Other:", true},
          {kValue2, typedAmount(a.otherDeductions), false},
          {kLabel3, "30/50% Deduction:", true},
          {kValue3, typedAmount(a.allowance), false}});
    line({{kLabel1, "Cost Basis:", true},
          {kValue1, typedAmount(a.costBasis), false},
          {kLabel2, "Convention:", true},
          {kValue2, conventionAbbreviation(a.convention), false},
          {kLabel3, "In Service Date:", true},
          {kValue3, a.inService, false}});
    line({{kLabel1, "Class:", true},
          {kValue1, firstCharacters(a.classText, kClassLength), false},
          {kLabel3, "Vehicle #", true},
          {kValue3, a.vehicleNum, false}});
    if (notes)
        line({{kLabel1, "Notes:", true}, {kValue1, a.notes, false}});
    line({{kLabel1, "Tag Nbr:", true}, {kValue1, a.tagNbr, false}});
    line({{kLabel1, "Serial Nbr:", true}, {kValue1, a.serialNbr, false}});
    line({{kLabel1, "Location:", true}, {kValue1, a.location, false}});
    if (notes)
        line({{kLabel1, "Long Descr:", true}, {kValue1, "", false}}, false);

    if (a.sold != kNoDisposalMonth) {
        step([&] { surface.setX(kLabel1); });
        step([&] { surface.setBold(true); });
        step([&] { surface.print("   Disposition Data:", true); });
        step([&] { surface.setBold(false); });
        line({{kLabel1, "Date:", true},
              {kValue1, a.sold, false},
              {kLabel2, "Amount:", true},
              {kValue2, typedAmount(a.dispositionAmt), false},
              {kLabel3, "Gain/Loss:", true},
              {kValue3, typedAmount(a.gainLoss), false}});
    }
    step([&] { surface.endDoc(); });
}

} // namespace qel::printing
