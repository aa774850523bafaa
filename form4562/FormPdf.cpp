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
            QPDFFormFieldObjectHelper(fields[index - 1]).setV(text(index), true);
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
    for (QPDFObjectHandle& field : fieldsOf(pdf))
        values.push_back(QPDFFormFieldObjectHelper(field).getValueAsString());
    return values;
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
