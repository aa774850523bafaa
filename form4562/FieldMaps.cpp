// The four Form 4562 field tables: 2009, 2010, 2011, and 2012 (2012 and later).
//
// Each table is built once as one entry per field number. A row of lines 19, 26, 27 and 30 to
// 36 takes consecutive numbers in the order of its columns (or vehicles); the helpers below add
// such a run starting at its first number.
#include "form4562/FieldMaps.h"

#include "form4562/FormText.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

namespace qel::form4562 {
namespace {

using V = FormValues;
using Text = std::function<std::string(const V&)>;

// What one field number receives.
struct Entry {
    enum class Kind { Blank, Keep, Set } kind = Kind::Blank;
    Text text;
};

class Table {
public:
    const Entry& at(std::int32_t index) const {
        static const Entry blank;
        return index >= 0 && index < static_cast<std::int32_t>(entries_.size()) ? entries_[index] : blank;
    }
    int highest() const { return static_cast<int>(entries_.size()) - 1; }

    void set(int index, Text text) { slot(index) = {Entry::Kind::Set, std::move(text)}; }
    void keep(int index) { slot(index) = {Entry::Kind::Keep, {}}; }

    // A value as it stands.
    void text(int index, std::function<const std::string&(const V&)> value) {
        set(index, [value](const V& v) { return value(v); });
    }
    // An amount as "#,###" (zero blank) or "#,##0" (zero shown).
    template <typename Get> void blank(int index, Get value) {
        set(index, [value](const V& v) { return amountOrBlank(value(v)); });
    }
    template <typename Get> void zero(int index, Get value) {
        set(index, [value](const V& v) { return amountOrZero(value(v)); });
    }
    void fixed(int index, std::string_view words) {
        set(index, [w = std::string(words)](const V&) { return w; });
    }

    // Line 6, row r: (a), (b), (c) all as "#,###".
    void line6(int first, int r) {
        for (int c = 0; c < 3; ++c)
            blank(first + c, [r, c](const V& v) { return v.line6[r][c]; });
    }
    // Lines 19a to 19e, row r: (c) and (g) amounts, (d), (e), (f) as they stand.
    void recovery(int first, int r) {
        recoveryCde(first, r);
        text(first + 3, [r](const V& v) -> const std::string& { return v.line19[r].method; });
        blank(first + 4, [r](const V& v) { return v.line19[r].deduction; });
    }
    // Line 19 row r, columns (c), (d), (e).
    void recoveryCde(int first, int r) {
        blank(first, [r](const V& v) { return v.line19[r].basis; });
        text(first + 1, [r](const V& v) -> const std::string& { return v.line19[r].period; });
        text(first + 2, [r](const V& v) -> const std::string& { return v.line19[r].convention; });
    }
    // Line 26 (rows 0-2), columns (a) to (i); (g) is the method, a blank and the convention.
    void line26(int first, int r) {
        text(first, [r](const V& v) -> const std::string& { return v.line26[r].property; });
        text(first + 1, [r](const V& v) -> const std::string& { return v.line26[r].placed; });
        text(first + 2, [r](const V& v) -> const std::string& { return v.line26[r].businessUse; });
        blank(first + 3, [r](const V& v) { return v.line26[r].cost; });
        blank(first + 4, [r](const V& v) { return v.line26[r].basis; });
        text(first + 5, [r](const V& v) -> const std::string& { return v.line26[r].period; });
        set(first + 6, [r](const V& v) { return v.line26[r].method + " " + v.line26[r].convention; });
        blank(first + 7, [r](const V& v) { return v.line26[r].deduction; });
        blank(first + 8, [r](const V& v) { return v.line26[r].section179; });
    }
    // Line 27 (rows 0-2), columns (a) to (h); (g) is the convention.
    void line27(int first, int r) {
        text(first, [r](const V& v) -> const std::string& { return v.line27[r].property; });
        text(first + 1, [r](const V& v) -> const std::string& { return v.line27[r].placed; });
        text(first + 2, [r](const V& v) -> const std::string& { return v.line27[r].businessUse; });
        blank(first + 3, [r](const V& v) { return v.line27[r].cost; });
        blank(first + 4, [r](const V& v) { return v.line27[r].basis; });
        text(first + 5, [r](const V& v) -> const std::string& { return v.line27[r].period; });
        text(first + 6, [r](const V& v) -> const std::string& { return v.line27[r].convention; });
        blank(first + 7, [r](const V& v) { return v.line27[r].deduction; });
    }
    // One of lines 30 to 36 for vehicles (a) to (f), each vehicle `width` numbers wide (2 when
    // each answer fills two fields).
    void vehicles(int first, std::string VehicleColumn::*line, bool amount, int width = 1) {
        for (int k = 0; k < 6; ++k)
            for (int w = 0; w < width; ++w) {
                const int index = first + k * width + w;
                if (amount)
                    blank(index, [k, line](const V& v) { return v.vehicles[k].*line; });
                else
                    text(index, [k, line](const V& v) -> const std::string& { return v.vehicles[k].*line; });
            }
    }
    // Line 42, row r: (a), (b), (d), (e) as they stand, (c) and (f) amounts.
    void line42(int first, int r) {
        text(first, [r](const V& v) -> const std::string& { return v.line42[r].description; });
        text(first + 1, [r](const V& v) -> const std::string& { return v.line42[r].begins; });
        blank(first + 2, [r](const V& v) { return v.line42[r].amount; });
        text(first + 3, [r](const V& v) -> const std::string& { return v.line42[r].codeSection; });
        text(first + 4, [r](const V& v) -> const std::string& { return v.line42[r].period; });
        blank(first + 5, [r](const V& v) { return v.line42[r].deduction; });
    }
    // Line 37 + k (k 0 to 4), in `width` consecutive fields.
    void employer(int first, int k, int width = 1) {
        for (int w = 0; w < width; ++w)
            text(first + w, [k](const V& v) -> const std::string& { return v.lines37to41[k]; });
    }

private:
    Entry& slot(int index) {
        if (index >= static_cast<int>(entries_.size()))
            entries_.resize(index + 1);
        return entries_[index];
    }
    std::vector<Entry> entries_;
};

// Line 18's group election: the 2009 layout shows the stored "/Yes" as it is, the later ones
// without the slash.
std::string withoutSlash(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '/'), text.end());
    return text;
}

// The heading, Part I, Part II and lines 17 to 20c of the 2011 and 2012 layouts, which agree up
// to field 128; the 2010 layout has the same run one number lower (from its line 1 at 5).
void partsOneToThree(Table& t, int shift, bool idAfterBusiness) {
    const int s = shift;
    t.text(3, [](const V& v) -> const std::string& { return v.ownerName; });
    t.text(4, [](const V& v) -> const std::string& { return v.business; });
    if (idAfterBusiness)
        t.text(5, [](const V& v) -> const std::string& { return v.identifier; });
    t.text(6 + s, [](const V& v) -> const std::string& { return v.line1; });
    t.zero(7 + s, [](const V& v) { return v.line2; });
    t.text(8 + s, [](const V& v) -> const std::string& { return v.line3; });
    t.zero(9 + s, [](const V& v) { return v.line4; });
    t.zero(10 + s, [](const V& v) { return v.line5; });
    t.keep(11 + s);
    t.keep(12 + s);
    t.line6(13 + s, 0);
    t.keep(16 + s);
    t.line6(17 + s, 1);
    t.zero(20 + s, [](const V& v) { return v.line29; }); // line 7
    t.zero(21 + s, [](const V& v) { return v.line8; });
    t.zero(22 + s, [](const V& v) { return v.line9; });
    t.zero(23 + s, [](const V& v) { return v.line10; });
    t.zero(24 + s, [](const V& v) { return v.line11; });
    t.zero(25 + s, [](const V& v) { return v.line12; });
    t.zero(26 + s, [](const V& v) { return v.line13; });
    t.blank(27 + s, [](const V& v) { return v.line14; });
    t.blank(28 + s, [](const V& v) { return v.line15; });
    t.blank(29 + s, [](const V& v) { return v.line16; });
    t.blank(30 + s, [](const V& v) { return v.line17; });
    t.set(31 + s, [](const V& v) { return withoutSlash(v.line18); });
    // Lines 19a to 19e: five columns each, one unfilled field before each row.
    for (int r = 0; r < 5; ++r)
        t.recovery(34 + s + 6 * r, r);
    t.recoveryCde(64 + s, 5); // 19f
    t.fixed(67 + s, "S/L");
    t.blank(68 + s, [](const V& v) { return v.line19[5].deduction; });
    t.blank(70 + s, [](const V& v) { return v.line19[6].basis; }); // 19g
    t.text(71 + s, [](const V& v) -> const std::string& { return v.line19[6].period; });
    t.text(72 + s, [](const V& v) -> const std::string& { return v.line19[6].convention; });
    t.fixed(73 + s, "S/L");
    t.blank(74 + s, [](const V& v) { return v.line19[6].deduction; });
    t.keep(76 + s); // 19h, first row
    t.blank(77 + s, [](const V& v) { return v.line19h.basis; });
    t.blank(78 + s, [](const V& v) { return v.line20b.basis; });
    t.fixed(79 + s, "27.5");
    t.fixed(80 + s, "MM");
    t.fixed(81 + s, "S/L");
    t.blank(82 + s, [](const V& v) { return v.line19h.deduction; });
    t.keep(92 + s); // 19i, first row
    t.blank(93 + s, [](const V& v) { return v.line19i.basis; });
    t.fixed(94 + s, "39");
    t.fixed(95 + s, "MM");
    t.fixed(96 + s, "S/L");
    t.blank(97 + s, [](const V& v) { return v.line19i.deduction; });
    t.blank(107 + s, [](const V& v) { return v.line20a.basis; }); // 20a
    t.text(108 + s, [](const V& v) -> const std::string& { return v.line20a.period; });
    t.text(109 + s, [](const V& v) -> const std::string& { return v.line20a.convention; });
    t.fixed(110 + s, "S/L");
    t.blank(111 + s, [](const V& v) { return v.line20a.deduction; });
    t.blank(113 + s, [](const V& v) { return v.line20b.basis; }); // 20b
    t.fixed(114 + s, "12yrs");
    t.text(115 + s, [](const V& v) -> const std::string& { return v.line20b.convention; });
    t.fixed(116 + s, "S/L");
    t.blank(117 + s, [](const V& v) { return v.line20b.deduction; });
    t.blank(120 + s, [](const V& v) { return v.line20c.basis; }); // 20c
    t.blank(124 + s, [](const V& v) { return v.line20c.deduction; });
    t.fixed(123 + s, "S/L");
    t.blank(125 + s, [](const V& v) { return v.line28; }); // line 21
    t.blank(126 + s, [](const V& v) { return v.line22; });
    t.blank(127 + s, [](const V& v) { return v.line23; });
}

// Lines 25 to 36 and 42 to 44 of the 2010 and 2011 layouts, which agree from field 129 on.
void partsFiveAndSix2010(Table& t) {
    t.blank(129, [](const V& v) { return v.line25; });
    for (int r = 0; r < 3; ++r)
        t.line26(132 + 10 * r, r);
    for (int r = 0; r < 3; ++r)
        t.line27(163 + 9 * r, r);
    t.blank(189, [](const V& v) { return v.line28; });
    t.blank(190, [](const V& v) { return v.line29; });
    t.vehicles(193, &VehicleColumn::businessMiles, true);
    t.vehicles(200, &VehicleColumn::commutingMiles, true);
    t.vehicles(207, &VehicleColumn::personalMiles, true);
    t.vehicles(214, &VehicleColumn::totalMiles, true);
    t.vehicles(222, &VehicleColumn::offHoursUse, false);
    t.vehicles(229, &VehicleColumn::ownerDriver, false);
    t.vehicles(236, &VehicleColumn::otherVehicle, false);
    t.line42(244, 0);
    t.line42(251, 1);
    t.blank(257, [](const V& v) { return v.line43; });
    t.blank(258, [](const V& v) { return v.line44; });
}

Table layout2009() {
    Table t;
    t.text(3, [](const V& v) -> const std::string& { return v.ownerName; });
    t.text(4, [](const V& v) -> const std::string& { return v.business; });
    t.text(5, [](const V& v) -> const std::string& { return v.identifier; });
    t.zero(6, [](const V& v) { return v.line2; });
    t.zero(7, [](const V& v) { return v.line4; });
    t.zero(8, [](const V& v) { return v.line5; });
    t.line6(9, 0);
    t.line6(12, 1);
    t.zero(15, [](const V& v) { return v.line29; }); // line 7
    t.zero(16, [](const V& v) { return v.line8; });
    t.zero(17, [](const V& v) { return v.line9; });
    t.zero(18, [](const V& v) { return v.line10; });
    t.zero(19, [](const V& v) { return v.line11; });
    t.zero(20, [](const V& v) { return v.line12; });
    t.zero(21, [](const V& v) { return v.line13; });
    t.blank(22, [](const V& v) { return v.line14; });
    t.blank(23, [](const V& v) { return v.line15; });
    t.blank(24, [](const V& v) { return v.line16; });
    t.blank(25, [](const V& v) { return v.line17; });
    t.text(26, [](const V& v) -> const std::string& { return v.line18; });
    for (int r = 0; r < 5; ++r)
        t.recovery(27 + 5 * r, r); // 19a to 19e
    t.recoveryCde(52, 5);          // 19f
    t.text(55, [](const V& v) -> const std::string& { return v.line19[5].method; });
    t.blank(56, [](const V& v) { return v.line19[5].deduction; });
    t.blank(57, [](const V& v) { return v.line19[6].basis; }); // 19g
    t.text(58, [](const V& v) -> const std::string& { return v.line19[6].convention; });
    t.blank(59, [](const V& v) { return v.line19[6].deduction; });
    for (int index : {60, 63, 66, 69})
        t.fixed(index, "");
    t.blank(61, [](const V& v) { return v.line19h.basis; });
    t.blank(62, [](const V& v) { return v.line19h.deduction; });
    t.blank(67, [](const V& v) { return v.line19i.basis; });
    t.blank(68, [](const V& v) { return v.line19i.deduction; });
    t.blank(73, [](const V& v) { return v.line20a.basis; });
    t.text(74, [](const V& v) -> const std::string& { return v.line20a.period; });
    t.text(75, [](const V& v) -> const std::string& { return v.line20a.convention; });
    t.blank(76, [](const V& v) { return v.line20a.deduction; });
    t.blank(77, [](const V& v) { return v.line20b.basis; });
    t.text(78, [](const V& v) -> const std::string& { return v.line20b.convention; });
    t.blank(79, [](const V& v) { return v.line20b.deduction; });
    t.blank(81, [](const V& v) { return v.line20c.basis; });
    t.blank(82, [](const V& v) { return v.line20c.deduction; });
    t.blank(83, [](const V& v) { return v.line28; }); // line 21
    t.blank(84, [](const V& v) { return v.line22; });
    t.blank(85, [](const V& v) { return v.line23; });
    t.blank(87, [](const V& v) { return v.line25; });
    for (int r = 0; r < 3; ++r)
        t.line26(88 + 9 * r, r);
    for (int r = 0; r < 3; ++r)
        t.line27(115 + 8 * r, r);
    t.blank(139, [](const V& v) { return v.line28; });
    t.blank(140, [](const V& v) { return v.line29; });
    t.vehicles(141, &VehicleColumn::businessMiles, true);
    t.vehicles(147, &VehicleColumn::commutingMiles, true);
    t.vehicles(153, &VehicleColumn::personalMiles, true);
    t.vehicles(159, &VehicleColumn::totalMiles, true);
    t.line42(165, 0);
    t.line42(171, 1);
    t.blank(177, [](const V& v) { return v.line43; });
    t.blank(178, [](const V& v) { return v.line44; });
    t.text(179, [](const V& v) -> const std::string& { return v.line24a; });
    t.text(180, [](const V& v) -> const std::string& { return v.line24b; });
    // Lines 34 to 36 by vehicle, except that line 35 of vehicle (b) comes last but one.
    using Line = std::string VehicleColumn::*;
    const struct {
        int index;
        int vehicle;
        Line line;
    } answers[] = {
        {181, 0, &VehicleColumn::offHoursUse},  {182, 0, &VehicleColumn::ownerDriver},
        {183, 0, &VehicleColumn::otherVehicle}, {184, 1, &VehicleColumn::offHoursUse},
        {185, 1, &VehicleColumn::otherVehicle}, {202, 1, &VehicleColumn::ownerDriver},
    };
    for (const auto& a : answers)
        t.text(a.index, [a](const V& v) -> const std::string& { return v.vehicles[a.vehicle].*a.line; });
    for (int k = 2; k < 6; ++k) {
        const int first = 186 + 3 * (k - 2);
        t.text(first, [k](const V& v) -> const std::string& { return v.vehicles[k].offHoursUse; });
        t.text(first + 1, [k](const V& v) -> const std::string& { return v.vehicles[k].ownerDriver; });
        t.text(first + 2, [k](const V& v) -> const std::string& { return v.vehicles[k].otherVehicle; });
    }
    t.employer(198, 0); // line 37
    t.employer(199, 1); // line 38
    t.employer(203, 2); // line 39
    t.employer(200, 3); // line 40
    t.employer(201, 4); // line 41
    return t;
}

Table layout2010() {
    Table t;
    partsOneToThree(t, -1, false);
    // 2010 differs from the shifted run: 20c has "40yrs" right after its basis, then a blank.
    t.fixed(120, "40yrs");
    t.text(127, [](const V& v) -> const std::string& { return v.identifier; });
    partsFiveAndSix2010(t);
    t.text(259, [](const V& v) -> const std::string& { return v.line24a; });
    t.text(260, [](const V& v) -> const std::string& { return v.line24b; });
    for (int k = 0; k < 5; ++k)
        t.employer(261 + k, k);
    return t;
}

Table layout2011() {
    Table t;
    partsOneToThree(t, 0, true);
    t.fixed(122, "40yrs");
    partsFiveAndSix2010(t);
    t.text(259, [](const V& v) -> const std::string& { return v.line24b; });
    for (int k = 0; k < 5; ++k)
        t.employer(260 + k, k);
    t.text(265, [](const V& v) -> const std::string& { return v.line24a; });
    return t;
}

Table layout2012() {
    Table t;
    partsOneToThree(t, 0, true);
    t.fixed(122, "40yrs");
    for (int w = 0; w < 2; ++w) {
        t.text(129 + w, [](const V& v) -> const std::string& { return v.line24a; });
        t.text(131 + w, [](const V& v) -> const std::string& { return v.line24b; });
    }
    t.blank(133, [](const V& v) { return v.line25; });
    for (int r = 0; r < 3; ++r)
        t.line26(136 + 10 * r, r);
    for (int r = 0; r < 3; ++r)
        t.line27(167 + 9 * r, r);
    t.blank(193, [](const V& v) { return v.line28; });
    t.blank(194, [](const V& v) { return v.line29; });
    t.vehicles(197, &VehicleColumn::businessMiles, true);
    t.vehicles(204, &VehicleColumn::commutingMiles, true);
    t.vehicles(211, &VehicleColumn::personalMiles, true);
    t.vehicles(218, &VehicleColumn::totalMiles, true);
    t.vehicles(226, &VehicleColumn::offHoursUse, false, 2);
    t.vehicles(239, &VehicleColumn::ownerDriver, false, 2);
    t.vehicles(252, &VehicleColumn::otherVehicle, false, 2);
    for (int k = 0; k < 5; ++k)
        t.employer(264 + 2 * k, k, 2);
    t.line42(276, 0);
    t.line42(283, 1);
    t.blank(289, [](const V& v) { return v.line43; });
    t.blank(290, [](const V& v) { return v.line44; });
    return t;
}

const Table& tableOf(int layout) {
    static const Table t2009 = layout2009();
    static const Table t2010 = layout2010();
    static const Table t2011 = layout2011();
    static const Table t2012 = layout2012();
    switch (layout) {
    case 2009:
        return t2009;
    case 2010:
        return t2010;
    case 2011:
        return t2011;
    default:
        return t2012;
    }
}

} // namespace

int layoutOf(int taxYear) {
    return std::min(taxYear, 2012);
}

int highestMappedField(int taxYear) {
    return tableOf(layoutOf(taxYear)).highest();
}

FieldFill::FieldFill(int taxYear, const FormValues& values) : layout_(layoutOf(taxYear)), values_(values) {}

const std::string& FieldFill::next(std::int32_t index) {
    const Entry& entry = tableOf(layout_).at(index);
    switch (entry.kind) {
    case Entry::Kind::Blank:
        buffer_.assign(1, ' '); // (assigning the literal trips a wrong -Wrestrict of GCC 12)
        break;
    case Entry::Kind::Keep:
        break;
    case Entry::Kind::Set:
        buffer_ = entry.text(values_);
        break;
    }
    return buffer_;
}

} // namespace qel::form4562
