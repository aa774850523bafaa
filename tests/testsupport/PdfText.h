// The text of a PDF file as pdftotext lays it out (poppler-utils), for tests of printed and
// filled PDF files.
#pragma once

#include <string>

namespace qel::test {

// The text of every page, laid out as on the page; pages end with a form feed ('\f').
std::string pdfText(const std::string& path);

// The number of pages of a PDF (the form feeds of its text).
int pdfPageCount(const std::string& path);

} // namespace qel::test
