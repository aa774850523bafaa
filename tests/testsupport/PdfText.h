// The text of a PDF file as pdftotext lays it out (poppler-utils), for tests of printed and
// filled PDF files.
#pragma once

#include <string>
#include <vector>

namespace qel::test {

// The text of every page, laid out as on the page; pages end with a form feed ('\f').
std::string pdfText(const std::string& path);

// The number of pages of a PDF (the form feeds of its text).
int pdfPageCount(const std::string& path);

// The pages of a PDF and the words printed on them, with their boxes as pdftotext finds them;
// all in points from the top-left corner of the sheet.
struct PdfPage {
    double width = 0;
    double height = 0;
};
struct PdfWord {
    std::size_t page = 0; // from 0
    std::string text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};
struct PdfLayout {
    std::vector<PdfPage> pages;
    std::vector<PdfWord> words;
};
PdfLayout pdfLayout(const std::string& path);

} // namespace qel::test
