#include "app/printing/rules/AssetDetailPrinting.h"

#include "app/printing/rules/PageFit.h"
#include "app/printing/rules/PrintText.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

struct BodyLine {
    std::vector<Cell> cells;
    bool emptyLineAfter = true;
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
    FailureTrap trap(
        [](const CaughtFailure& failure) {
            return "Error in PrintAssetDetail " + failure.description + " " + std::to_string(failure.number);
        },
        messages);
    auto step = [&](auto&& body) { return trap.step(body); };

    // The page is laid out for portrait, whatever the printout before it left.
    step([&] { surface.setOrientation(Orientation::Portrait); });
    const PageArea area = surface.printableArea();
    auto printAt = [&](const Placed& placed, bool endLine) {
        step([&] { surface.setX(static_cast<int>(std::floor(placed.x))); });
        step([&] { surface.print(placed.text, endLine); });
    };
    auto printRule = [&] {
        step([&] { surface.setX(kRuleX); });
        step(
            [&] { surface.print(fitWidth(surface, repeated('_', kRuleLength), area.width - kRuleX), true); });
    };

    const bool notes = !a.notes.empty();
    const bool sold = a.sold != kNoDisposalMonth;
    std::vector<BodyLine> body;
    body.push_back({{{kLabel1, "Description:", true},
                     {kValue1, a.description, false},
                     {kLabel3, "Asset ID:", true},
                     {kValue3, a.assetId, false}}});
    body.push_back({{{kLabel1, "Tax Method:", true},
                     {kValue1, a.method, false},
                     {kLabel2, "Life: ", true},
                     {kValue2, a.life, false},
                     {kLabel3, "Amortize Code:", true},
                     {kValue3, a.amortizeCode, false}}});
    body.push_back({{{kLabel1, "Cost:", true},
                     {kValue1, typedAmount(a.cost), false},
                     {kLabel2, "Actual method:", true},
                     {kValue2, a.methodCaption, false},
                     {kLabel3, "Business %:", true},
                     {kValue3, a.businessPercent, false}}});
    body.push_back({{{kLabel1, "179 Deduction:", true},
                     {kValue1, typedAmount(a.section179), false},
                     {kLabel2, "Salvage/Other:", true},
                     {kValue2, typedAmount(a.otherDeductions), false},
                     {kLabel3, "30/50% Deduction:", true},
                     {kValue3, typedAmount(a.allowance), false}}});
    body.push_back({{{kLabel1, "Cost Basis:", true},
                     {kValue1, typedAmount(a.costBasis), false},
                     {kLabel2, "Convention:", true},
                     {kValue2, conventionAbbreviation(a.convention), false},
                     {kLabel3, "In Service Date:", true},
                     {kValue3, a.inService, false}}});
    body.push_back({{{kLabel1, "Class:", true},
                     {kValue1, firstCharacters(a.classText, kClassLength), false},
                     {kLabel3, "Vehicle #", true},
                     {kValue3, a.vehicleNum, false}}});
    if (notes)
        body.push_back({{{kLabel1, "Notes:", true}, {kValue1, a.notes, false}}});
    body.push_back({{{kLabel1, "Tag Nbr:", true}, {kValue1, a.tagNbr, false}}});
    body.push_back({{{kLabel1, "Serial Nbr:", true}, {kValue1, a.serialNbr, false}}});
    body.push_back({{{kLabel1, "Location:", true}, {kValue1, a.location, false}}});
    if (notes)
        body.push_back({{{kLabel1, "Long Descr:", true}, {kValue1, "", false}}, false});
    const BodyLine disposal{{{kLabel1, "Date:", true},
                             {kValue1, a.sold, false},
                             {kLabel2, "Amount:", true},
                             {kValue2, typedAmount(a.dispositionAmt), false},
                             {kLabel3, "Gain/Loss:", true},
                             {kValue3, typedAmount(a.gainLoss), false}}};

    // A body line: each label bold, each value regular, every cell cut where the next one
    // starts; the last value wraps onto lines of its own below, as many as the page leaves
    // after the `linesAfter` lines still to come; then an empty line unless told otherwise.
    auto line = [&](const BodyLine& l, std::size_t linesAfter) {
        for (std::size_t i = 0; i < l.cells.size(); ++i) {
            const Cell& c = l.cells[i];
            const bool last = i + 1 == l.cells.size();
            const double end = last ? area.width : l.cells[i + 1].x;
            if (c.label) {
                step([&] { surface.setBold(true); });
                printAt(fitLeft(surface, c.text, c.x, end, area.width), last);
                step([&] { surface.setBold(false); });
            } else if (!last) {
                printAt(fitLeft(surface, c.text, c.x, end, area.width), false);
            } else {
                const double reserved =
                    surface.currentY() + surface.lineHeight() * static_cast<double>(linesAfter);
                const auto fitting = static_cast<std::size_t>(
                    std::max(1.0, std::floor((area.height - reserved) / surface.lineHeight())));
                for (const std::string& piece : wrapWithin(surface, c.text, end - c.x, fitting))
                    printAt({static_cast<double>(c.x), piece}, true);
            }
        }
        if (l.emptyLineAfter)
            step([&] { surface.endLine(); });
    };

    // The heading. The first line keeps the size and weight the printer holds.
    step([&] { surface.setFontName(kPrintFace); });
    step([&] { surface.setY(kFirstLineY); });
    printAt(fitLeft(surface, companyName, kCompanyX, kDateX, area.width), false);
    printAt(keepOnPage(surface, monthDayYear(today), kDateX, area.width), true);
    step([&] { surface.setBold(true); });
    step([&] { surface.endLine(); });
    printRule();
    step([&] { surface.endLine(); });
    step([&] { surface.setFontSize(kTitlePoints); });
    printAt(keepOnPage(surface, kTitle, titleX(kTitle), area.width), true);
    printRule();
    step([&] { surface.setFontSize(kBodyPoints); });
    step([&] { surface.setBold(false); });
    step([&] { surface.endLine(); });

    // The lines a body line takes when its last value wraps as far as it needs.
    auto linesOf = [&](const BodyLine& l) -> std::size_t {
        const Cell& last = l.cells.back();
        const std::size_t text = last.label ? 1
                                            : wrapWithin(surface, last.text, area.width - last.x,
                                                         std::numeric_limits<std::size_t>::max())
                                                  .size();
        return text + (l.emptyLineAfter ? 1 : 0);
    };
    // The lines still to come after each body line's text: its own empty line, the lines after
    // it, and the disposal block's heading and line.
    std::size_t after = sold ? 1 + linesOf(disposal) : 0;
    std::vector<std::size_t> linesAfter(body.size());
    for (std::size_t i = body.size(); i-- > 0;) {
        linesAfter[i] = after + (body[i].emptyLineAfter ? 1 : 0);
        after += linesOf(body[i]);
    }
    for (std::size_t i = 0; i < body.size(); ++i)
        line(body[i], linesAfter[i]);

    if (sold) {
        step([&] { surface.setBold(true); });
        printAt({kLabel1, "   Disposition Data:"}, true);
        step([&] { surface.setBold(false); });
        line(disposal, 1);
    }
    step([&] { surface.endDoc(); });
}

} // namespace qel::printing
