// Form filling by field number on libqpdf.
#include "form4562/FormPdf.h"

#include "common/ServerError.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>
#include <unistd.h>

namespace qel::form4562 {
namespace {

namespace fs = std::filesystem;
constexpr const char* kSource = "Display4562";

// Terminal fields of /AcroForm /Fields in depth-first order. A node seen twice (a malformed
// tree that loops) is walked once.
void walk(QPDFObjectHandle node, std::vector<QPDFObjectHandle>& fields, std::set<QPDFObjGen>& seen) {
    if (!node.isDictionary() || (node.isIndirect() && !seen.insert(node.getObjGen()).second))
        return;
    QPDFObjectHandle kids = node.getKey("/Kids");
    bool hasFieldKids = false;
    if (kids.isArray())
        for (int k = 0; k < kids.getArrayNItems(); ++k)
            if (kids.getArrayItem(k).isDictionary() && kids.getArrayItem(k).hasKey("/T"))
                hasFieldKids = true;
    if (!hasFieldKids) {
        fields.push_back(node);
        return;
    }
    for (int k = 0; k < kids.getArrayNItems(); ++k)
        walk(kids.getArrayItem(k), fields, seen);
}

std::vector<QPDFObjectHandle> fieldsOf(QPDF& pdf) {
    std::vector<QPDFObjectHandle> fields;
    std::set<QPDFObjGen> seen;
    QPDFObjectHandle top = pdf.getRoot().getKey("/AcroForm").getKey("/Fields");
    if (top.isArray())
        for (int k = 0; k < top.getArrayNItems(); ++k)
            walk(top.getArrayItem(k), fields, seen);
    return fields;
}

[[noreturn]] void writeFailed(const fs::path& path, const std::string& cause) {
    throw ServerError(75, kSource, "Could not write the form " + path.string() + ": " + cause, ErrorKind::Io);
}

// The temporary file of a form being written; removed unless it was renamed into place.
struct TempFile {
    fs::path path;
    bool renamed = false;
    ~TempFile() {
        if (!renamed) {
            std::error_code ignored; // nothing to report: the write has already failed
            fs::remove(path, ignored);
        }
    }
};

void write(QPDF& pdf, const fs::path& output) {
    TempFile temp{output.string() + ".tmp"};
    FILE* file = std::fopen(temp.path.c_str(), "wb");
    if (!file)
        writeFailed(output, "the folder cannot take a new file");
    try {
        QPDFWriter writer(pdf, temp.path.c_str(), file, false);
        writer.write();
    } catch (const std::exception& e) {
        std::fclose(file);
        writeFailed(output, e.what());
    }
    const bool flushed = std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
    if (std::fclose(file) != 0 || !flushed)
        writeFailed(output, "the disk did not take the whole file");
    std::error_code error;
    fs::rename(temp.path, output, error);
    if (error)
        writeFailed(output, error.message());
    temp.renamed = true;
}

// The widgets of a field: the field itself when it is its own widget, else its kids.
std::vector<QPDFObjectHandle> widgetsOf(QPDFObjectHandle field) {
    QPDFObjectHandle kids = field.getKey("/Kids");
    if (field.hasKey("/Rect") || !kids.isArray())
        return {field};
    std::vector<QPDFObjectHandle> widgets;
    for (int k = 0; k < kids.getArrayNItems(); ++k)
        widgets.push_back(kids.getArrayItem(k));
    return widgets;
}

// The name of a check box's on state: the state of its first widget's normal appearances other
// than /Off; empty when it has none.
std::string onStateOf(QPDFObjectHandle field) {
    QPDFObjectHandle states = widgetsOf(field).front().getKey("/AP").getKey("/N");
    if (states.isDictionary())
        for (const std::string& state : states.getKeys())
            if (state != "/Off")
                return state;
    return {};
}

// Fills one field with `text`: a text field takes it as its value; a check box is marked when the
// text names its on state (the answer "No" marks a box whose on state is /No) and cleared for
// any other text, so that of a question's Yes and No boxes given the same answer only its own
// box shows a mark. (qpdf's own setting of a check box knows only the on state /Yes.)
void setField(QPDFObjectHandle field, const std::string& text) {
    QPDFFormFieldObjectHelper helper(field);
    if (!helper.isCheckbox()) {
        helper.setV(text, true);
        return;
    }
    const std::string on = onStateOf(field);
    const QPDFObjectHandle state = QPDFObjectHandle::newName(!on.empty() && on == "/" + text ? on : "/Off");
    field.replaceKey("/V", state);
    for (QPDFObjectHandle widget : widgetsOf(field))
        widget.replaceKey("/AS", state);
}

void load(QPDF& pdf, const std::string& path) {
    pdf.setSuppressWarnings(true);
    pdf.processFile(path.c_str());
}

} // namespace

std::int32_t fillForm(const std::string& templatePath, const std::string& outputPath, std::int32_t first,
                      const std::function<const std::string&(std::int32_t index)>& text,
                      const std::function<void()>& templateError) {
    QPDF pdf;
    std::vector<QPDFObjectHandle> fields;
    try {
        load(pdf, templatePath);
        fields = fieldsOf(pdf);
    } catch (const std::exception&) {
        templateError();
        throw;
    }
    const auto count = static_cast<std::int32_t>(fields.size());
    try {
        for (std::int32_t index = first; index <= count; ++index)
            setField(fields[index - 1], text(index));
        QPDFAcroFormDocumentHelper(pdf).generateAppearancesIfNeeded();
    } catch (const ServerError&) {
        throw;
    } catch (const std::exception& e) {
        writeFailed(outputPath, e.what());
    }
    write(pdf, outputPath);
    return count;
}

std::vector<std::string> formFieldValues(const std::string& path) {
    QPDF pdf;
    load(pdf, path);
    std::vector<std::string> values;
    for (QPDFObjectHandle& field : fieldsOf(pdf)) {
        QPDFObjectHandle value = field.getKey("/V");
        values.push_back(value.isName() ? value.getName().substr(1)
                                        : QPDFFormFieldObjectHelper(field).getValueAsString());
    }
    return values;
}

std::vector<std::string> formAppearanceStates(const std::string& path) {
    QPDF pdf;
    load(pdf, path);
    std::vector<std::string> states;
    for (QPDFObjectHandle& field : fieldsOf(pdf)) {
        QPDFObjectHandle state = widgetsOf(field).front().getKey("/AS");
        states.push_back(state.isName() ? state.getName().substr(1) : "");
    }
    return states;
}

std::vector<std::string> formFieldNames(const std::string& path) {
    QPDF pdf;
    load(pdf, path);
    std::vector<std::string> names;
    for (QPDFObjectHandle& field : fieldsOf(pdf))
        names.push_back(QPDFFormFieldObjectHelper(field).getFullyQualifiedName());
    return names;
}

} // namespace qel::form4562
