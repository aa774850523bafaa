// Field layouts and printed captions of the yearly Form 4562 templates. Positions follow the
// real 2025 form (the copy beside this file): the same pages, rows and columns, so that a
// filled template reads like the form of its year.
#include "tools/formgen/Layouts.h"

#include <array>

namespace qel::formgen {
namespace {

// Column edges of lines 19 and 20, columns (b) to (g), points.
constexpr std::array<double, 7> kRecoveryEdges = {137, 194, 281, 331, 396, 482, 576};
// Column edges of lines 26 and 27, columns (a) to (i).
constexpr std::array<double, 10> kListedEdges = {36, 108, 151, 194, 267, 338, 383, 432, 504, 576};
// Column edges of line 42, columns (a) to (f).
constexpr std::array<double, 7> kAmortizationEdges = {36, 180, 252, 353, 425, 482, 576};
// Left edge and width of the vehicle columns (a) to (f) of lines 30 to 36.
constexpr double kVehicleLeft = 230;
constexpr double kVehicleWidth = 57.67;
constexpr double kRow = 12; // height of a field

// The lower edges of the rows of lines 19 and 20 that move between the real 2025 form (which
// adds a 50-year row and more rows in Section C) and the older drawn forms.
struct Rows {
    double h1, h2, i1, i2, c20;
};
constexpr Rows kDrawnRows = {204, 192, 180, 168, 108};
constexpr Rows kRealRows = {192, 180, 168, 156, 96};

constexpr std::array<double, 7> k19Rows = {288, 276, 264, 252, 240, 228, 216}; // 19a to 19g
constexpr std::array<double, 3> k26Rows = {444, 432, 420};
constexpr std::array<double, 3> k27Rows = {396, 384, 372};
constexpr std::array<double, 4> kMilesRows = {276, 264, 240, 216};         // lines 30 to 33
constexpr std::array<double, 3> kAnswerRows = {192, 174, 156};             // lines 34 to 36
constexpr std::array<double, 5> kEmployerRows = {648, 630, 612, 594, 576}; // lines 37 to 41
constexpr std::array<double, 2> k42Rows = {492, 480};

// The Yes and No boxes of the real 2025 form's questions, left edges in points: line 24 (boxes of
// 8 points, 24a on the row at 554, 24b at 542), lines 34 to 36 for vehicles (a) to (f) and lines
// 37 to 41 (boxes of 12 points on the rows of kAnswerRows and kEmployerRows).
constexpr double k24Yes = 482, k24No = 533, k24Box = 8;
constexpr std::array<double, 6> kVehicleYes = {239, 296, 354, 412, 469, 527};
constexpr std::array<double, 6> kVehicleNo = {268, 325, 383, 440, 498, 556};
constexpr double kEmployerYes = 527, kEmployerNo = 556, kAnswerBox = 12;

const char* const kColumns = "abcdefghi";

// "L" and the line number. (Built by appending: GCC 12 warns wrongly, -Wrestrict, on "L" + text
// in optimised builds.)
std::string lineName(int line) {
    std::string name(1, 'L');
    name += std::to_string(line);
    return name;
}

class Builder {
public:
    Builder(bool realForm) : real_(realForm), rows_(realForm ? kRealRows : kDrawnRows) {}

    void add(const std::string& name, int page, double x1, double y1, double x2, double y2,
             bool hidden = false) {
        fields_.push_back({name, page, x1, y1, x2, y2, hidden, {}});
    }
    // An amount in the right-hand column of page 1 or 2.
    void amount(const std::string& name, int page, double y) { add(name, page, 504, y, 576, y + kRow); }
    // A question's Yes box and No box on the real form, in that order: the answer "Yes" marks the
    // first, "No" the second.
    void answerBoxes(const std::string& name, int page, double yesX, double noX, double y, double size) {
        fields_.push_back({name + "_yes", page, yesX, y, yesX + size, y + size, false, "Yes"});
        fields_.push_back({name + "_no", page, noX, y, noX + size, y + size, false, "No"});
    }
    // A field the layout does not fill, or one that repeats the field before it: it keeps its
    // place in the order but is hidden.
    void hidden(const std::string& name, int page, double y) { add(name, page, 36, y, 100, y + kRow, true); }

    // Line 19 or 20 `line`, columns from..to ('b' to 'g') on the row whose lower edge is y.
    // `printed` lists the columns that the real form prints itself.
    void recovery(const std::string& line, double y, char from, char to, const std::string& printed = "") {
        for (char c = from; c <= to; ++c)
            recoveryCell(line, y, c, printed);
    }
    void recoveryCell(const std::string& line, double y, char c, const std::string& printed = "") {
        const int k = c - 'b';
        add(line + "_" + c, 1, kRecoveryEdges[k], y, kRecoveryEdges[k + 1], y + kRow,
            real_ && printed.find(c) != std::string::npos);
    }
    void listed(const std::string& line, int page, double y, int columns) {
        for (int k = 0; k < columns; ++k)
            add(line + "_" + kColumns[k], page,
                kListedEdges[k] + (k == 6 && line.starts_with("L27") ? 22 : 0), y, kListedEdges[k + 1],
                y + kRow, line.starts_with("L27") && k == 8);
    }
    // Lines 30 to 36 for vehicles (a) to (f); `pairs`: each vehicle has two fields, on the real
    // form its Yes and No boxes, else the answer and a hidden repeat of it.
    void vehicles(const std::string& line, double y, bool pairs = false) {
        for (int k = 0; k < 6; ++k) {
            const double x1 = kVehicleLeft + k * kVehicleWidth;
            const std::string name = line + kColumns[k];
            if (pairs && real_) {
                answerBoxes(name, 2, kVehicleYes[k], kVehicleNo[k], y, kAnswerBox);
                continue;
            }
            add(name, 2, x1 + 2, y, x1 + kVehicleWidth - 2, y + kRow);
            if (pairs)
                add(name + "_2", 2, x1 + 2, y, x1 + kVehicleWidth - 2, y + kRow, true);
        }
    }
    void employer(int line, bool pair = false) {
        const double y = kEmployerRows[line - 37];
        const std::string name = lineName(line);
        if (pair && real_) {
            answerBoxes(name, 3, kEmployerYes, kEmployerNo, y, kAnswerBox);
            return;
        }
        add(name, 3, 520, y, 576, y + kRow);
        if (pair)
            add(name + "_2", 3, 520, y, 576, y + kRow, true);
    }
    void amortization(int row) {
        for (int k = 0; k < 6; ++k)
            add("L42r" + std::to_string(row + 1) + "_" + kColumns[k], 3, kAmortizationEdges[k], k42Rows[row],
                kAmortizationEdges[k + 1], k42Rows[row] + kRow);
    }
    void unused(const std::string& line, int page, double y, int count) {
        for (int k = 1; k <= count; ++k)
            hidden(line + "_unused" + (count > 1 ? std::to_string(k) : ""), page, y);
    }

    bool real() const { return real_; }
    const Rows& rows() const { return rows_; }
    std::vector<FieldPlace> take() { return std::move(fields_); }

private:
    bool real_;
    Rows rows_;
    std::vector<FieldPlace> fields_;
};

void heading(Builder& b, bool withId) {
    b.add("Name", 1, 36, 684, 251, 698);
    b.add("Business", 1, 253, 684, 482, 698);
    if (withId)
        b.add("Id", 1, 482, 684, 576, 698);
}

void identifier(Builder& b) {
    b.add("Id", 1, 482, 684, 576, 698);
}

// Lines 7 to 18 (the same in every layout).
void lines7to18(Builder& b) {
    b.add("L7", 1, 382, 540, 503, 552);
    const double ys[] = {528, 516, 504, 492, 480};
    for (int k = 0; k < 5; ++k)
        b.amount(lineName(8 + k), 1, ys[k]);
    b.add("L13", 1, 410, 468, 482, 480);
    b.amount("L14", 1, 420);
    b.amount("L15", 1, 408);
    b.amount("L16", 1, 396);
    b.amount("L17", 1, 360);
    b.add("L18", 1, 440, 338, 500, 350);
}

void line6Row(Builder& b, int row, bool repeat) {
    const double y = row == 0 ? 564 : 552;
    const std::string name = "L6r" + std::to_string(row + 1) + "_";
    b.add(name + "a", 1, 36, y, 280, y + kRow);
    b.add(name + "b", 1, 281, y, 381, y + kRow);
    b.add(name + "c", 1, 382, y, 503, y + kRow);
    if (repeat)
        b.add(name + "c_2", 1, 382, y, 503, y + kRow, true);
}

// Fields 3 (or 6 for 2011 and later) to 127: the heading (without the identifying number),
// Parts I to IV of the 2010 to 2012 layouts. Part IV's line 23 ends it.
void partsOneToFour2010(Builder& b, bool withId) {
    heading(b, withId);
    b.amount("L1", 1, 648);
    b.amount("L2", 1, 636);
    b.amount("L3", 1, 624);
    b.amount("L4", 1, 612);
    b.amount("L5", 1, 588);
    b.add("L5_2", 1, 504, 588, 576, 600, true);
    b.add("L5_3", 1, 504, 588, 576, 600, true);
    line6Row(b, 0, true);
    line6Row(b, 1, false);
    lines7to18(b);
    b.unused("L18", 1, 338, 1);
    const char* lines[] = {"L19a", "L19b", "L19c", "L19d", "L19e", "L19f", "L19g"};
    for (int r = 0; r < 7; ++r)
        b.recovery(lines[r], k19Rows[r], 'b', 'g', r == 6 ? "df" : "");
    const Rows& rows = b.rows();
    // 19h, first row: (b), a hidden repeat of (b), (c), a hidden repeat of line 20b (c), (d) to (g).
    b.recoveryCell("L19h", rows.h1, 'b');
    b.add("L19h_b_2", 1, kRecoveryEdges[0], rows.h1, kRecoveryEdges[1], rows.h1 + kRow, true);
    b.recoveryCell("L19h", rows.h1, 'c');
    b.add("L20b_c_2", 1, kRecoveryEdges[1], 120, kRecoveryEdges[2], 132, true);
    b.recovery("L19h", rows.h1, 'd', 'g', "def");
    b.recovery("L19h2", rows.h2, 'b', 'g', "def");
    b.unused("L19h2", 1, rows.h2, 2);
    b.recoveryCell("L19i", rows.i1, 'b');
    b.add("L19i_b_2", 1, kRecoveryEdges[0], rows.i1, kRecoveryEdges[1], rows.i1 + kRow, true);
    b.recovery("L19i", rows.i1, 'c', 'g', "def");
    b.recovery("L19i2", rows.i2, 'b', 'g', "def");
    b.unused("L19i2", 1, rows.i2, 3);
    b.recovery("L20a", 132, 'c', 'g', "f");
    b.recovery("L20b", 120, 'b', 'g', "df");
    b.unused("L20b", 1, 120, 1);
}

void line20cAndPartFour(Builder& b, bool fortyYearsFirst) {
    const double y = b.rows().c20;
    b.recovery("L20c", y, 'b', 'c');
    if (fortyYearsFirst) {
        b.recoveryCell("L20c", y, 'd', "d");
        b.recoveryCell("L20c", y, 'e', "e");
    } else {
        b.recoveryCell("L20c", y, 'e', "e");
        b.recoveryCell("L20c", y, 'd', "d");
    }
    b.recovery("L20c", y, 'f', 'g', "f");
    b.amount("L21", 2, 720);
    b.amount("L22", 2, 696);
    b.add("L23", 2, 410, 660, 482, 672);
}

// Lines 26 to 33 of the 2010 and later layouts: each row of lines 26 and 30 to 33 followed by
// fields the layouts do not use, line 27 with its column (i) hidden.
void listedAndMiles(Builder& b) {
    for (int r = 0; r < 3; ++r) {
        b.listed("L26r" + std::to_string(r + 1), 2, k26Rows[r], 9);
        b.unused("L26r" + std::to_string(r + 1), 2, k26Rows[r], r == 2 ? 2 : 1);
    }
    for (int r = 0; r < 3; ++r)
        b.listed("L27r" + std::to_string(r + 1), 2, k27Rows[r], r == 2 ? 8 : 9);
    b.add("L28", 2, 432, 360, 503, 372);
    b.amount("L29", 2, 348);
    b.unused("L29", 2, 348, 2);
    for (int k = 0; k < 4; ++k) {
        b.vehicles(lineName(30 + k), kMilesRows[k]);
        b.unused(lineName(30 + k), 2, kMilesRows[k], k == 3 ? 2 : 1);
    }
}

// Lines 25 to 36 and Part VI of the 2010 and 2011 layouts, fields 129 to 258.
void partsFiveAndSix2010(Builder& b) {
    b.add("L25", 2, 432, 468, 503, 480);
    b.unused("L25", 2, 468, 2);
    listedAndMiles(b);
    for (int k = 0; k < 3; ++k) {
        b.vehicles(lineName(34 + k), kAnswerRows[k]);
        b.unused(lineName(34 + k), 2, kAnswerRows[k], k == 2 ? 2 : 1);
    }
    b.amortization(0);
    b.unused("L42r1", 3, k42Rows[0], 1);
    b.amortization(1);
    b.add("L43", 3, 482, 468, 576, 480);
    b.add("L44", 3, 482, 456, 576, 468);
}

void line24(Builder& b, const std::string& line, bool pair) {
    if (pair && b.real()) {
        b.answerBoxes(line, 2, k24Yes, k24No, line == "L24a" ? 554 : 542, k24Box);
        return;
    }
    const double y = line == "L24a" ? 552 : 540;
    b.add(line, 2, 482, y, 545, y + kRow);
    if (pair)
        b.add(line + "_2", 2, 482, y, 545, y + kRow, true);
}

std::vector<FieldPlace> layout2009(Builder& b) {
    b.unused("Top", 1, 750, 2);
    heading(b, true);
    b.amount("L2", 1, 636);
    b.amount("L4", 1, 612);
    b.amount("L5", 1, 588);
    line6Row(b, 0, false);
    line6Row(b, 1, false);
    lines7to18(b);
    const char* lines[] = {"L19a", "L19b", "L19c", "L19d", "L19e", "L19f"};
    for (int r = 0; r < 6; ++r)
        b.recovery(lines[r], k19Rows[r], 'c', 'g');
    for (char c : {'c', 'e', 'g'})
        b.recoveryCell("L19g", k19Rows[6], c);
    const Rows& rows = b.rows();
    for (const auto& [line, y] :
         {std::pair{"L19h", rows.h1}, {"L19h2", rows.h2}, {"L19i", rows.i1}, {"L19i2", rows.i2}})
        for (char c : {'b', 'c', 'g'})
            b.recoveryCell(line, y, c);
    b.recoveryCell("L20a", 132, 'b');
    b.recovery("L20a", 132, 'c', 'e');
    b.recoveryCell("L20a", 132, 'g');
    for (char c : {'c', 'e', 'g'})
        b.recoveryCell("L20b", 120, c);
    for (char c : {'b', 'c', 'g'})
        b.recoveryCell("L20c", rows.c20, c);
    b.amount("L21", 2, 720);
    b.amount("L22", 2, 696);
    b.add("L23", 2, 410, 660, 482, 672);
    b.unused("L23", 2, 660, 1);
    b.add("L25", 2, 432, 468, 503, 480);
    for (int r = 0; r < 3; ++r)
        b.listed("L26r" + std::to_string(r + 1), 2, k26Rows[r], 9);
    for (int r = 0; r < 3; ++r)
        b.listed("L27r" + std::to_string(r + 1), 2, k27Rows[r], 8);
    b.add("L28", 2, 432, 360, 503, 372);
    b.amount("L29", 2, 348);
    for (int k = 0; k < 4; ++k)
        b.vehicles(lineName(30 + k), kMilesRows[k]);
    b.amortization(0);
    b.amortization(1);
    b.add("L43", 3, 482, 468, 576, 480);
    b.add("L44", 3, 482, 456, 576, 468);
    line24(b, "L24a", false);
    line24(b, "L24b", false);
    // Lines 34 to 36 vehicle by vehicle; line 35 of vehicle (b) comes after line 41.
    const auto answer = [&b](int line, int k) {
        const double x1 = kVehicleLeft + k * kVehicleWidth;
        const double y = kAnswerRows[line - 34];
        b.add(lineName(line) + kColumns[k], 2, x1 + 2, y, x1 + kVehicleWidth - 2, y + kRow);
    };
    for (int k = 0; k < 6; ++k)
        for (int line = 34; line <= 36; ++line)
            if (!(k == 1 && line == 35))
                answer(line, k);
    b.employer(37);
    b.employer(38);
    b.employer(40);
    b.employer(41);
    answer(35, 1);
    b.employer(39);
    return b.take();
}

} // namespace

std::vector<FieldPlace> fieldsOf(int layout, bool realForm) {
    Builder b(realForm);
    if (layout == 2009)
        return layout2009(b);
    b.unused("Top", 1, 750, 2);
    partsOneToFour2010(b, layout != 2010);
    line20cAndPartFour(b, layout == 2010);
    if (layout == 2010)
        identifier(b);
    b.unused("L23", 2, 660, 1);
    if (layout == 2010 || layout == 2011) {
        partsFiveAndSix2010(b);
        if (layout == 2010) {
            line24(b, "L24a", false);
            line24(b, "L24b", false);
        } else {
            line24(b, "L24b", false);
        }
        for (int line = 37; line <= 41; ++line)
            b.employer(line);
        if (layout == 2011)
            line24(b, "L24a", false);
        return b.take();
    }
    line24(b, "L24a", true);
    line24(b, "L24b", true);
    b.add("L25", 2, 432, 468, 503, 480);
    b.unused("L24c", 2, 528, 2);
    listedAndMiles(b);
    for (int k = 0; k < 3; ++k) {
        b.vehicles(lineName(34 + k), kAnswerRows[k], true);
        if (k < 2)
            b.unused(lineName(34 + k), 2, kAnswerRows[k], 1);
    }
    for (int line = 37; line <= 41; ++line)
        b.employer(line, true);
    b.unused("L41", 3, 576, 2);
    b.amortization(0);
    b.unused("L42r1", 3, k42Rows[0], 1);
    b.amortization(1);
    b.add("L43", 3, 482, 468, 576, 480);
    b.add("L44", 3, 482, 456, 576, 468);
    return b.take();
}

} // namespace qel::formgen
