// The printed part of the drawn Form 4562 templates: title, Parts, line numbers, short
// captions and column headings, at the places the real form has them.
#include "tools/formgen/Layouts.h"

#include <string>

namespace qel::formgen {
namespace {

class Page {
public:
    Page(std::vector<Caption>& out, int page) : out_(out), page_(page) {}

    void text(double x, double y, double size, const std::string& text, bool bold = false) {
        out_.push_back({page_, x, y, size, bold, text});
    }
    // A line's number and caption on the row whose lower edge is y.
    void line(const std::string& number, double y, const std::string& caption) {
        text(number.size() > 2 ? 36 : 40, y + 3, 7, number, true);
        text(54, y + 3, 7, caption);
    }
    // A Part's title bar ("Part I" in white on black is drawn by the page writer for texts that
    // start with "Part ").
    void part(const std::string& number, double y, const std::string& title) {
        text(38, y, 8.5, "Part " + number, true);
        text(84, y, 8.5, title, true);
    }

private:
    std::vector<Caption>& out_;
    int page_;
};

} // namespace

std::vector<Caption> captionsOf(int taxYear) {
    const std::string year = std::to_string(taxYear);
    const std::string prior = std::to_string(taxYear - 1);
    const std::string next = std::to_string(taxYear + 1);
    std::vector<Caption> out;

    Page p1(out, 1);
    p1.text(36, 742, 6.5, "Form");
    p1.text(54, 735, 20, "4562", true);
    p1.text(232, 745, 13, "Depreciation and Amortization", true);
    p1.text(236, 733, 9, "(Including Information on Listed Property)", true);
    p1.text(272, 723, 7.5, "Attach to your tax return.");
    p1.text(508, 735, 18, year, true);
    p1.text(36, 700, 6.5, "Name(s) shown on return");
    p1.text(255, 700, 6.5, "Business or activity to which this form relates");
    p1.text(484, 700, 6.5, "Identifying number", true);
    p1.part("I", 673, "Election To Expense Certain Property Under Section 179");
    p1.line("1", 648, "Maximum amount (see instructions)");
    p1.line("2", 636, "Total cost of section 179 property placed in service");
    p1.line("3", 624, "Threshold cost of section 179 property before reduction in limitation");
    p1.line("4", 612, "Reduction in limitation. Subtract line 3 from line 2. If zero or less, enter -0-");
    p1.line("5", 588,
            "Dollar limitation for tax year. Subtract line 4 from line 1. If zero or less, enter -0-");
    p1.line("6", 576, "");
    p1.text(110, 579, 6.5, "(a) Description of property");
    p1.text(290, 579, 6.5, "(b) Cost (business use only)");
    p1.text(410, 579, 6.5, "(c) Elected cost");
    p1.line("7", 540, "Listed property. Enter the amount from line 29");
    p1.line("8", 528, "Total elected cost of section 179 property. Add amounts in column (c), lines 6 and 7");
    p1.line("9", 516, "Tentative deduction. Enter the smaller of line 5 or line 8");
    p1.line("10", 504, "Carryover of disallowed deduction from line 13 of your " + prior + " Form 4562");
    p1.line("11", 492, "Business income limitation. Enter the smaller of business income or line 5");
    p1.line("12", 480,
            "Section 179 expense deduction. Add lines 9 and 10, but don't enter more than line 11");
    p1.line("13", 468, "Carryover of disallowed deduction to " + next + ". Add lines 9 and 10, less line 12");
    p1.part("II", 445, "Special Depreciation Allowance and Other Depreciation");
    p1.line("14", 420,
            "Special depreciation allowance for qualified property placed in service during the year");
    p1.line("15", 408, "Property subject to section 168(f)(1) election");
    p1.line("16", 396, "Other depreciation (including ACRS)");
    p1.part("III", 385, "MACRS Depreciation");
    p1.text(290, 373, 7.5, "Section A", true);
    p1.line("17", 360, "MACRS deductions for assets placed in service in tax years beginning before " + year);
    p1.line("18", 340, "Electing to group assets placed in service into general asset accounts, check here");
    p1.text(120, 326, 7.5,
            "Section B - Assets Placed in Service During " + year +
                " Tax Year Using the General Depreciation System",
            true);
    const double heads = 306;
    p1.text(38, heads, 6, "(a) Classification of property");
    p1.text(139, heads, 6, "(b) Month and year");
    p1.text(196, heads, 6, "(c) Basis for depreciation");
    p1.text(283, heads, 6, "(d) Recovery period");
    p1.text(336, heads, 6, "(e) Convention");
    p1.text(420, heads, 6, "(f) Method");
    p1.text(490, heads, 6, "(g) Depreciation deduction");
    const char* rows[] = {"3-year property",  "5-year property",  "7-year property", "10-year property",
                          "15-year property", "20-year property", "25-year property"};
    for (int r = 0; r < 7; ++r)
        p1.line(r == 0 ? "19a" : std::string(1, static_cast<char>('a' + r)), 288 - 12 * r, rows[r]);
    p1.line("h", 204, "Residential rental");
    p1.line("i", 180, "Nonresidential real");
    p1.text(110, 147, 7.5,
            "Section C - Assets Placed in Service During " + year +
                " Tax Year Using the Alternative Depreciation System",
            true);
    p1.line("20a", 132, "Class life");
    p1.line("b", 120, "12-year");
    p1.line("c", 108, "40-year");
    p1.text(36, 73, 6.5, "For Paperwork Reduction Act Notice, see separate instructions.", true);
    p1.text(500, 73, 6.5, "Form 4562 (" + year + ")");

    Page p2(out, 2);
    p2.text(36, 747, 6.5, "Form 4562 (" + year + ")");
    p2.text(555, 747, 6.5, "Page 2");
    p2.part("IV", 733, "Summary");
    p2.line("21", 720, "Listed property. Enter amount from line 28");
    p2.line(
        "22", 696,
        "Total. Add amounts from line 12, lines 14 through 17, lines 19 and 20 in column (g), and line 21");
    p2.line("23", 660, "Assets placed in service this year: basis attributable to section 263A costs");
    p2.part("V", 613, "Listed Property");
    p2.text(150, 566, 7.5, "Section A - Depreciation and Other Information", true);
    p2.line("24a", 552, "Do you have evidence to support the business/investment use claimed?");
    p2.line("b", 540, "If \"Yes,\" is the evidence written?");
    const double listed = 500;
    p2.text(38, listed, 6, "(a) Type of property");
    p2.text(110, listed, 6, "(b) Placed");
    p2.text(152, listed, 6, "(c) Bus. %");
    p2.text(196, listed, 6, "(d) Cost or other basis");
    p2.text(269, listed, 6, "(e) Basis for depreciation");
    p2.text(340, listed, 6, "(f) Recovery");
    p2.text(385, listed, 6, "(g) Method/Conv.");
    p2.text(434, listed, 6, "(h) Depreciation");
    p2.text(506, listed, 6, "(i) Section 179 cost");
    p2.line("25", 468, "Special depreciation allowance for listed property used more than 50%");
    p2.line("26", 456, "Property used more than 50% in a qualified business use:");
    p2.line("27", 408, "Property used 50% or less in a qualified business use:");
    p2.line("28", 360, "Add amounts in column (h), lines 25 through 27. Enter here and on line 21");
    p2.line("29", 348, "Add amounts in column (i), line 26. Enter here and on line 7");
    p2.text(200, 330, 7.5, "Section B - Information on Use of Vehicles", true);
    for (int k = 0; k < 6; ++k)
        p2.text(240 + 57.67 * k, 292, 6.5,
                std::string{'(', static_cast<char>('a' + k), ')'}
                    .append(" Vehicle ")
                    .append(std::to_string(k + 1)));
    p2.line("30", 276, "Business/investment miles driven");
    p2.line("31", 264, "Commuting miles driven");
    p2.line("32", 240, "Other personal (noncommuting) miles");
    p2.line("33", 216, "Total miles driven. Add lines 30 to 32");
    p2.line("34", 192, "Available for personal use off duty?");
    p2.line("35", 174, "Used mainly by a 5% owner or related?");
    p2.line("36", 156, "Another vehicle for personal use?");

    Page p3(out, 3);
    p3.text(36, 747, 6.5, "Form 4562 (" + year + ")");
    p3.text(555, 747, 6.5, "Page 3");
    p3.part("V", 733, "Listed Property (continued)");
    p3.text(80, 690, 7.5,
            "Section C - Questions for Employers Who Provide Vehicles for Use by Their Employees", true);
    p3.line("37", 648,
            "Written policy statement that prohibits all personal use of vehicles, including commuting?");
    p3.line("38", 630, "Written policy statement that prohibits personal use of vehicles, except commuting?");
    p3.line("39", 612, "Do you treat all use of vehicles by employees as personal use?");
    p3.line("40", 594, "More than five vehicles: information obtained from employees and retained?");
    p3.line("41", 576, "Requirements concerning qualified automobile demonstration use met?");
    p3.part("VI", 553, "Amortization");
    p3.line("42", 526, "Amortization of costs that begins during your " + year + " tax year:");
    const double amortization = 508;
    p3.text(38, amortization, 6, "(a) Description of costs");
    p3.text(182, amortization, 6, "(b) Date begins");
    p3.text(254, amortization, 6, "(c) Amortizable amount");
    p3.text(355, amortization, 6, "(d) Code section");
    p3.text(427, amortization, 6, "(e) Period or %");
    p3.text(484, amortization, 6, "(f) Amortization for this year");
    p3.line("43", 468, "Amortization of costs that began before your " + year + " tax year");
    p3.line("44", 456, "Total. Add amounts in column (f)");
    return out;
}

} // namespace qel::formgen
