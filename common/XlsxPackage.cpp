// Zip parts and their XML, read in chunks with the unpacked size counted.
#include "common/XlsxPackage.h"

#include "common/WorkbookSource.h"

#include <expat.h>
#include <zip.h>

#include <vector>

namespace qel {
namespace {

constexpr int kChunkSize = 64 * 1024;

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attrs) {
    static_cast<XmlHandler*>(data)->start(localName(name), attrs);
}

void XMLCALL onEnd(void* data, const XML_Char* name) {
    static_cast<XmlHandler*>(data)->end(localName(name));
}

void XMLCALL onText(void* data, const XML_Char* text, int length) {
    static_cast<XmlHandler*>(data)->text(std::string_view(text, static_cast<std::size_t>(length)));
}

} // namespace

std::string_view localName(const char* name) {
    std::string_view n(name);
    const auto colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

std::optional<std::string_view> attribute(const char** attrs, std::string_view name) {
    for (int i = 0; attrs[i]; i += 2)
        if (localName(attrs[i]) == name)
            return std::string_view(attrs[i + 1]);
    return std::nullopt;
}

std::string resolveTarget(const std::string& baseFolder, std::string_view target) {
    std::string joined =
        target.starts_with('/') ? std::string(target.substr(1)) : baseFolder + std::string(target);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= joined.size()) {
        auto slash = joined.find('/', start);
        if (slash == std::string::npos)
            slash = joined.size();
        const std::string part = joined.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string out;
    for (const auto& p : parts)
        out += (out.empty() ? "" : "/") + p;
    return out;
}

std::string folderOf(const std::string& part) {
    const auto slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

void XmlHandler::fail(std::string message) {
    if (failure_.empty())
        failure_ = std::move(message);
    if (parser_)
        XML_StopParser(parser_, XML_FALSE);
}

void XmlHandler::refuse(std::string cause) {
    refused_ = failure_.empty();
    fail(std::move(cause));
}

void XmlHandler::pause() {
    XML_StopParser(parser_, XML_TRUE);
}

ZipPackage::ZipPackage(const std::string& path) : path_(path) {
    int code = 0;
    zip_ = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (!zip_) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const std::string message = zip_error_strerror(&error);
        zip_error_fini(&error);
        throwWorkbookError(path, "it is not a valid .xlsx package (" + message + ").");
    }
}

ZipPackage::~ZipPackage() {
    zip_discard(zip_);
}

bool ZipPackage::has(const std::string& name) const {
    return zip_name_locate(zip_, name.c_str(), ZIP_FL_NOCASE) >= 0;
}

std::uint64_t ZipPackage::declaredSize(const std::string& name) const {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(zip_, name.c_str(), ZIP_FL_NOCASE, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return 0;
    return stat.size;
}

zip_file_t* ZipPackage::open(const std::string& name) const {
    if (declaredSize(name) > kMaxPartBytes)
        tooLarge(name);
    zip_file_t* file = zip_fopen(zip_, name.c_str(), ZIP_FL_NOCASE);
    if (!file) {
        zip_error_t* error = zip_get_error(zip_);
        const int code = zip_error_code_zip(error);
        if (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD)
            throwWorkbookError(path_, "it is protected by a password (encrypted).");
        if (code == ZIP_ER_NOENT)
            throwWorkbookError(path_, "the part " + name + " is missing.");
        throwWorkbookError(path_,
                           "the part " + name + " cannot be read (" + zip_error_strerror(error) + ").");
    }
    return file;
}

void ZipPackage::tooLarge(const std::string& name) const {
    throwWorkbookError(path_, "the part " + name + " unpacks to more than " +
                                  std::to_string(kMaxPartBytes >> 20) + " MB, more than any workbook holds.");
}

XmlStream::XmlStream(const ZipPackage& package, std::string part, XmlHandler& handler)
    : package_(package), part_(std::move(part)), handler_(handler), file_(package.open(part_)) {
    parser_ = XML_ParserCreate("UTF-8");
    if (!parser_) {
        zip_fclose(file_);
        throwWorkbookError(package_.path(), "out of memory.");
    }
    handler_.parser_ = parser_;
    XML_SetUserData(parser_, &handler_);
    XML_SetElementHandler(parser_, &onStart, &onEnd);
    XML_SetCharacterDataHandler(parser_, &onText);
}

XmlStream::~XmlStream() {
    handler_.parser_ = nullptr;
    XML_ParserFree(parser_);
    zip_fclose(file_);
}

bool XmlStream::run() {
    if (suspended_) {
        suspended_ = false;
        const XML_Status status = XML_ResumeParser(parser_);
        if (status == XML_STATUS_SUSPENDED) {
            suspended_ = true;
            return true;
        }
        if (status == XML_STATUS_ERROR)
            failParse();
    }
    while (!finished_) {
        void* buffer = XML_GetBuffer(parser_, kChunkSize);
        if (!buffer)
            throwWorkbookError(package_.path(), "out of memory.");
        const zip_int64_t got = zip_fread(file_, buffer, kChunkSize);
        if (got < 0)
            throwWorkbookError(package_.path(),
                               "the part " + part_ + " cannot be read (" + zip_file_strerror(file_) + ").");
        unpacked_ += static_cast<std::uint64_t>(got);
        if (unpacked_ > kMaxPartBytes)
            package_.tooLarge(part_);
        finished_ = got == 0;
        const XML_Status status = XML_ParseBuffer(parser_, static_cast<int>(got), finished_);
        if (status == XML_STATUS_SUSPENDED) {
            suspended_ = true;
            return true;
        }
        if (status == XML_STATUS_ERROR)
            failParse();
    }
    return false;
}

void XmlStream::runToEnd() {
    while (run()) {
    }
}

void XmlStream::failParse() const {
    if (handler_.refused_)
        throwWorkbookError(package_.path(), handler_.failure());
    if (!handler_.failure().empty())
        throwWorkbookError(package_.path(),
                           "the part " + part_ + " is malformed (" + handler_.failure() + ").");
    throwWorkbookError(package_.path(), "the part " + part_ + " is malformed (" +
                                            XML_ErrorString(XML_GetErrorCode(parser_)) + " at line " +
                                            std::to_string(XML_GetCurrentLineNumber(parser_)) + ").");
}

} // namespace qel
