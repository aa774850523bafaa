// FieldMaps: which form value goes into which field of a yearly Form 4562 template, and in
// what shape.
//
// The templates are filled by field number: field i is the i-th terminal field of a depth-first
// walk of the template's /AcroForm /Fields. There are four layouts: 2009, 2010, 2011, and one
// for 2012 and every later year. The tables here are the contract with the template files
// (tools/formgen makes them): a template must hold its fields in exactly this order.
//
// Fields 1 and 2 are never filled. Every other field gets one text: a value unchanged, an
// amount in one of the two patterns of FormText.h, a fixed text ("S/L", "MM", ...), or, for a
// field the layout does not use, one blank. A few fields repeat the text of the field before
// them ("keep"), so the fill keeps one buffer for the whole loop (FieldFill).
#pragma once

#include "form4562/FormValues.h"

#include <cstdint>
#include <string>

namespace qel::form4562 {

// The layout a tax year's template has: 2009, 2010, 2011, or 2012 for 2012 and later. Years
// before 2009 have no template.
int layoutOf(int taxYear);

// The highest field number that the year's layout fills with anything but a blank.
int highestMappedField(int taxYear);

// Runs the fill of fields 3 to fieldCount in increasing order: for each one the text the year's
// layout puts there, handed to `set` with the field number. The buffer that "keep" fields
// repeat starts empty.
class FieldFill {
public:
    FieldFill(int taxYear, const FormValues& values);

    // The text of field `index` (3 or more), given the text of the field before it; fields must
    // be asked in increasing order, as the fill loop does.
    const std::string& next(std::int32_t index);

private:
    int layout_;
    const FormValues& values_;
    std::string buffer_;
};

} // namespace qel::form4562
