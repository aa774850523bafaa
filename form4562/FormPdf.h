// FormPdf: fills a fillable PDF form by field number through libqpdf and writes the result.
//
// Field i is the i-th terminal field met in a depth-first walk of the document's
// /AcroForm /Fields tree (a field whose /Kids are only widgets is terminal). qpdf's own
// getFormFields() lists fields in another order, so the walk is done here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qel::form4562 {

// Loads `templatePath`, fills every field from `first` to the last one with text(index) in
// increasing order, gives each filled text field an appearance (so that viewers and text
// extraction show the value), and writes the document to `outputPath`: first to a temporary file
// beside it, synced, then renamed over it, so the path never holds half a form. A check box is
// marked when its text is the name of its on state ("Yes" for a box whose on state is /Yes) and
// cleared for any other text: the template decides which answer marks which box.
//
// Returns the number of fields of the template. Throws ServerError with `templateError` when the
// template cannot be read as a PDF, and ServerError (kind Io) when the output cannot be written
// (nothing is then left at the path or beside it).
std::int32_t fillForm(const std::string& templatePath, const std::string& outputPath, std::int32_t first,
                      const std::function<const std::string&(std::int32_t index)>& text,
                      const std::function<void()>& templateError);

// The values of the document's fields in field-number order (index 0 is field 1): a text field's
// text, a check box's state without its slash ("Off", "Yes"); a field without a value gives "".
// For reading a filled form back.
std::vector<std::string> formFieldValues(const std::string& path);

// The appearance state of each field's widget in field-number order, without its slash: what a
// check box shows ("Off", or its on state such as "Yes"); "" for a field without one. For reading
// a filled form back.
std::vector<std::string> formAppearanceStates(const std::string& path);

// The full names of the document's fields in field-number order.
std::vector<std::string> formFieldNames(const std::string& path);

} // namespace qel::form4562
