// RichDocument: a formatted text as plain data: paragraphs (lines) with a left indent, each made
// of runs of text with their own weight and size. The asset listing is built as one and shown
// in the rich-text window, which turns it into its own document.
#pragma once

#include <string>
#include <vector>

namespace qel::printing {

struct TextRun {
    std::string text; // UTF-8
    bool bold = false;
    double points = 8;
};

struct Paragraph {
    int indent = 0; // twips
    std::vector<TextRun> runs;

    // The paragraph's text, runs joined.
    std::string text() const {
        std::string out;
        for (const TextRun& r : runs)
            out += r.text;
        return out;
    }
};

using RichDocument = std::vector<Paragraph>;

} // namespace qel::printing
