// formgen: makes the fillable yearly Form 4562 templates and their marker files.
//
//   formgen <real 2025 form .pdf> <output folder> <first year> <last year>
//
// For each tax year it writes "4562_YY.pdf", the template, and "4562_YY.fdf", the marker whose
// presence says that the year has a template (YY: the year's last two digits). The template of
// 2025 is the real form of that year with its own fields and XFA part taken out; the others are
// drawn on Letter pages. Either way the template holds the fields of its year's layout
// (Layouts.h) in field-number order: text fields with empty values and no appearances (the
// filling gives each one an appearance), and on the real form the check boxes of its Yes/No
// questions, off, with the appearances of both states.
#include "tools/formgen/Layouts.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using namespace qel::formgen;

namespace {

constexpr int kRealFormYear = 2025;
// The default appearance of every field: Helvetica (the /Helv resource) at 7 points, black.
constexpr const char* kFieldAppearance = "/Helv 7 Tf 0 g";

std::string number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// A PDF string literal: parentheses and backslashes escaped.
std::string literal(const std::string& text) {
    std::string out = "(";
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ")";
}

QPDFObjectHandle helvetica(const char* baseFont) {
    return QPDFObjectHandle::parse(std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + baseFont +
                                   " /Encoding /WinAnsiEncoding >>");
}

// The content stream of a drawn page: its captions, a black bar behind each "Part" number, and
// a thin box around every visible field.
std::string drawnPage(int page, const std::vector<Caption>& captions, const std::vector<FieldPlace>& fields) {
    std::ostringstream out;
    out << "0.5 w 0.4 G\n";
    for (const FieldPlace& f : fields)
        if (f.page == page && !f.hidden)
            out << number(f.x1) << ' ' << number(f.y1) << ' ' << number(f.x2 - f.x1) << ' '
                << number(f.y2 - f.y1) << " re S\n";
    for (const Caption& c : captions) {
        if (c.page != page)
            continue;
        const bool bar = c.text.rfind("Part ", 0) == 0 && c.bold;
        if (bar)
            out << "0 g " << number(c.x - 2) << ' ' << number(c.y - 3) << " 42 12 re f\n";
        out << "BT " << (bar ? "1 g" : "0 g") << ' ' << (c.bold ? "/F2 " : "/F1 ") << number(c.size) << " Tf "
            << number(c.x) << ' ' << number(c.y) << " Td " << literal(c.text) << " Tj ET\n";
    }
    return out.str();
}

std::vector<QPDFObjectHandle> drawnPages(QPDF& pdf, int taxYear, const std::vector<FieldPlace>& fields) {
    const std::vector<Caption> captions = captionsOf(taxYear);
    QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
    fonts.replaceKey("/F1", pdf.makeIndirectObject(helvetica("Helvetica")));
    fonts.replaceKey("/F2", pdf.makeIndirectObject(helvetica("Helvetica-Bold")));
    QPDFPageDocumentHelper pages(pdf);
    for (int p = 1; p <= 3; ++p) {
        QPDFObjectHandle page = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
        page.getKey("/Resources").replaceKey("/Font", fonts);
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, drawnPage(p, captions, fields)));
        pages.addPage(QPDFPageObjectHelper(page), false);
    }
    return pdf.getAllPages();
}

// The real form's pages without its own fields: the widgets leave the pages' annotations and
// the form (with its XFA part) leaves the catalog.
std::vector<QPDFObjectHandle> realPages(QPDF& pdf) {
    QPDFObjectHandle root = pdf.getRoot();
    root.removeKey("/AcroForm");
    root.removeKey("/NeedsRendering");
    for (QPDFObjectHandle page : pdf.getAllPages()) {
        QPDFObjectHandle annots = page.getKey("/Annots");
        if (!annots.isArray())
            continue;
        QPDFObjectHandle kept = QPDFObjectHandle::newArray();
        for (int k = 0; k < annots.getArrayNItems(); ++k)
            if (!annots.getArrayItem(k).getKey("/Subtype").isNameAndEquals("/Widget"))
                kept.appendItem(annots.getArrayItem(k));
        page.replaceKey("/Annots", kept);
    }
    return pdf.getAllPages();
}

// An appearance of a check box `width` by `height` points: a cross inside it when `marked`,
// nothing otherwise (the page prints the box itself).
QPDFObjectHandle boxAppearance(QPDF& pdf, double width, double height, bool marked) {
    const double inset = std::min(width, height) * 0.2;
    std::string content;
    if (marked)
        content = "q 0 G 1 w " + number(inset) + " " + number(inset) + " m " + number(width - inset) + " " +
                  number(height - inset) + " l S " + number(inset) + " " + number(height - inset) + " m " +
                  number(width - inset) + " " + number(inset) + " l S Q\n";
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, content);
    stream.replaceDict(QPDFObjectHandle::parse("<< /Type /XObject /Subtype /Form /BBox [0 0 " +
                                               number(width) + " " + number(height) +
                                               "] /Resources << >> >>"));
    return stream;
}

// The dictionary of one field and its widget: a text field with an empty value and no
// appearance (the filling gives it one), or a check box that is off, with the appearances of
// both its states.
QPDFObjectHandle fieldOf(QPDF& pdf, const FieldPlace& f) {
    const std::string rect =
        "/Rect [" + number(f.x1) + " " + number(f.y1) + " " + number(f.x2) + " " + number(f.y2) + "]";
    if (f.markedBy.empty())
        return QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Widget /FT /Tx " + rect + " /F " +
                                       (f.hidden ? "2" : "4") + " /DA " + literal(kFieldAppearance) +
                                       " /V () >>");
    QPDFObjectHandle box = QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Widget /FT /Btn " + rect +
                                                   " /F 4 /V /Off /AS /Off >>");
    QPDFObjectHandle states = QPDFObjectHandle::newDictionary();
    states.replaceKey("/" + f.markedBy, boxAppearance(pdf, f.x2 - f.x1, f.y2 - f.y1, true));
    states.replaceKey("/Off", boxAppearance(pdf, f.x2 - f.x1, f.y2 - f.y1, false));
    QPDFObjectHandle appearances = QPDFObjectHandle::newDictionary();
    appearances.replaceKey("/N", states);
    box.replaceKey("/AP", appearances);
    return box;
}

// Adds the layout's fields, in order, to /AcroForm /Fields and to their pages.
void addFields(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages, const std::vector<FieldPlace>& fields) {
    QPDFObjectHandle list = QPDFObjectHandle::newArray();
    for (const FieldPlace& f : fields) {
        QPDFObjectHandle page = pages.at(f.page - 1);
        QPDFObjectHandle field = pdf.makeIndirectObject(fieldOf(pdf, f));
        field.replaceKey("/T", QPDFObjectHandle::newUnicodeString(f.name));
        field.replaceKey("/P", page);
        if (!page.getKey("/Annots").isArray())
            page.replaceKey("/Annots", QPDFObjectHandle::newArray());
        page.getKey("/Annots").appendItem(field);
        list.appendItem(field);
    }
    QPDFObjectHandle form = QPDFObjectHandle::newDictionary();
    form.replaceKey("/Fields", list);
    form.replaceKey("/DA", QPDFObjectHandle::newString(kFieldAppearance));
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
    fonts.replaceKey("/Helv", pdf.makeIndirectObject(helvetica("Helvetica")));
    resources.replaceKey("/Font", fonts);
    form.replaceKey("/DR", resources);
    pdf.getRoot().replaceKey("/AcroForm", pdf.makeIndirectObject(form));
}

std::string yearDigits(int taxYear) {
    const std::string text = std::to_string(taxYear);
    return text.substr(text.size() - 2);
}

void writeTemplate(const std::string& realForm, const fs::path& folder, int taxYear) {
    QPDF pdf;
    const bool real = taxYear == kRealFormYear;
    const std::vector<FieldPlace> fields = fieldsOf(std::min(taxYear, 2012), real);
    std::vector<QPDFObjectHandle> pages;
    if (real) {
        pdf.processFile(realForm.c_str());
        pages = realPages(pdf);
    } else {
        pdf.emptyPDF();
        pages = drawnPages(pdf, taxYear, fields);
    }
    addFields(pdf, pages, fields);
    const fs::path output = folder / ("4562_" + yearDigits(taxYear) + ".pdf");
    QPDFWriter writer(pdf, output.c_str());
    writer.setStaticID(true); // the same input gives the same file
    writer.write();

    std::ofstream marker(folder / ("4562_" + yearDigits(taxYear) + ".fdf"), std::ios::binary);
    marker << "%FDF-1.2\n1 0 obj << /FDF << /F (4562_" << yearDigits(taxYear)
           << ".pdf) >> >> endobj\ntrailer << /Root 1 0 R >>\n%%EOF\n";
    if (!marker)
        throw std::runtime_error("cannot write the marker of " + std::to_string(taxYear));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: formgen <real 2025 form .pdf> <output folder> <first year> <last year>\n";
        return 2;
    }
    try {
        const fs::path folder = argv[2];
        fs::create_directories(folder);
        for (int year = std::stoi(argv[3]); year <= std::stoi(argv[4]); ++year)
            writeTemplate(argv[1], folder, year);
    } catch (const std::exception& e) {
        std::cerr << "formgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
