// The field layouts of the yearly Form 4562 templates: for each layout, its text fields in
// field-number order, each named after the line and column it fills and placed on that line.
//
// Field 1 is the first entry. The order is the contract with the library's field maps
// (form4562/FieldMaps.cpp): a change here must be made there too. Fields that repeat the text of
// the field before them, and fields that the layout does not use, are hidden: they keep their
// place in the order but show nothing.
#pragma once

#include <string>
#include <vector>

namespace qel::formgen {

struct FieldPlace {
    std::string name;                      // such as "L19c_g": line 19c, column (g)
    int page = 1;                          // 1 to 3
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // points from the lower left corner of a Letter page
    bool hidden = false;
    // A check box: the answer that marks it ("Yes" or "No"), which is also the name of its on
    // state. Empty for a text field.
    std::string markedBy;
};

// One layout's fields. `layout` is 2009, 2010, 2011 or 2012 (2012 and later). `realForm`: the
// fields sit on the pages of the real 2025 form, whose lines 19 and 20 have more rows than the
// older forms and which prints the fixed texts of some columns itself (those fields are hidden).
// Each Yes/No question of the 2012 layout (lines 24a, 24b, 34 to 41) has two fields that both
// receive the answer: on the drawn forms a text field that shows it and a hidden one; on the real
// form the question's Yes box and No box, check boxes that only the answer naming them marks.
std::vector<FieldPlace> fieldsOf(int layout, bool realForm);

// A text drawn on a page of a template drawn by the generator.
struct Caption {
    int page;
    double x, y; // baseline start, points
    double size; // points
    bool bold;
    std::string text;
};

// The printed part of a drawn template of the tax year: title, Parts, line numbers and short
// captions, column headings.
std::vector<Caption> captionsOf(int taxYear);

} // namespace qel::formgen
