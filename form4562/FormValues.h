// FormValues: every entry of one company's Form 4562 for one tax year, as the run computes it
// and before the field maps place and format it.
//
// One record per run, made empty (texts "", numbers 0). Texts hold amounts as the data server
// gave them (plain decimal text, such as "1250.5") or the run's own words ("Missing", "N/A",
// "Yes"); whole numbers are whole dollars. The field maps (FieldMaps.h) read the record and
// never change it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qel::form4562 {

// Columns (c) to (g) of one row of lines 19 and 20: basis for depreciation, recovery period,
// convention, method, deduction for the year.
struct RecoveryRow {
    std::string basis;
    std::string period;
    std::string convention;
    std::string method;
    std::string deduction;
};

// One vehicle column (a) to (f) of Section B, lines 30 to 36.
struct VehicleColumn {
    std::string businessMiles;  // line 30
    std::string commutingMiles; // line 31
    std::string personalMiles;  // line 32
    std::string totalMiles;     // line 33
    std::string offHoursUse;    // line 34, "Yes" or "No"
    std::string ownerDriver;    // line 35
    std::string otherVehicle;   // line 36
};

// One row of lines 26 and 27 (listed property), columns (a) to (i). Column (g) is the method
// and the convention abbreviation; line 27 leaves the method empty and never fills (i).
struct ListedRow {
    std::string property;    // (a)
    std::string placed;      // (b) "mm-yyyy"
    std::string businessUse; // (c) percent
    std::string cost;        // (d)
    std::string basis;       // (e)
    std::string period;      // (f)
    std::string method;      // (g), first part
    std::string convention;  // (g), second part
    std::string deduction;   // (h)
    std::string section179;  // (i)
};

// One row of line 42 (amortization of costs that begin in the year), columns (a) to (f).
struct AmortizationRow {
    std::string description;
    std::string begins; // "mm-yyyy"
    std::string amount;
    std::string codeSection;
    std::string period; // months
    std::string deduction;
};

struct FormValues {
    // Heading.
    std::string ownerName;  // name(s) shown on return
    std::string business;   // business or activity
    std::string identifier; // identifying number

    // Part I, section 179.
    std::string line1; // maximum amount, or "Missing"
    std::string line2; // total cost of section 179 property
    std::string line3; // threshold cost, or "Missing"
    std::int32_t line4 = 0;
    std::int32_t line5 = 0;
    std::array<std::array<std::string, 3>, 2>
        line6; // rows 1 and 2: (a) description, (b) cost, (c) elected cost
    std::int32_t line8 = 0;
    std::int32_t line9 = 0;
    std::string line10; // carryover from the prior year
    std::string line11; // business income limitation
    std::int32_t line12 = 0;
    std::int32_t line13 = 0; // carryover to the next year

    // Part II.
    std::int32_t line14 = 0;
    std::string line15; // property subject to section 168(f)(1), as stored
    std::int32_t line16 = 0;

    // Part III.
    std::int32_t line17 = 0;
    std::string line18;                // "/" followed by the group election answer
    std::array<RecoveryRow, 7> line19; // 19a to 19g (3, 5, 7, 10, 15, 20 and 25-year property)
    RecoveryRow line19h;               // residential rental property, first row: basis and deduction
    RecoveryRow line19i;               // nonresidential real property, first row: basis and deduction
    RecoveryRow line20a;               // class life
    RecoveryRow line20b;               // 12-year
    RecoveryRow line20c;               // 40-year: basis and deduction

    // Part IV (line 21 is line 28).
    std::string line22; // total, formatted, with " *" when 50-year property is left out of lines 19 and 20
    std::string line23; // section 263A costs, as stored

    // Part V.
    std::string line24a; // "Yes", "No" or as stored
    std::string line24b;
    std::int32_t line25 = 0;
    std::array<ListedRow, 3> line26;
    std::array<ListedRow, 3> line27;
    std::int32_t line28 = 0;
    std::int32_t line29 = 0; // also line 7
    std::array<VehicleColumn, 6> vehicles;
    std::array<std::string, 5> lines37to41;

    // Part VI.
    std::array<AmortizationRow, 2> line42;
    std::int32_t line43 = 0;
    std::int32_t line44 = 0;
};

// What the amounts step works out beside the form values.
struct RunTotals {
    std::int32_t macrs50Year = 0;     // deduction of MACRS 50-year property, whole dollars
    std::int32_t ads50Year = 0;       // deduction of ADS 50-year property, whole dollars
    bool exclude179 = false;          // the year's data asks to keep line 12 out of line 22
    std::int32_t storedOtherDepr = 0; // the year's "Other Depr", whole dollars, part of line 16
};

} // namespace qel::form4562
