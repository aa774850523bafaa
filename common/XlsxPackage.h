// The package of an Office Open XML workbook: a zip file (libzip) of XML parts, each parsed by
// expat in chunks as a handler asks for it. Internal to the .xlsx reader.
//
// No part is unpacked beyond kMaxPartBytes, whatever the package declares: a few hundred
// kilobytes of zip can unpack to gigabytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

typedef struct zip zip_t;
typedef struct zip_file zip_file_t;
typedef struct XML_ParserStruct* XML_Parser;

namespace qel {

// The most any part may unpack to: five times the largest part of the widest export of 100,000
// assets (the asset listing's sheet, about 100 MB), and beyond such a sheet at the limits of one
// (kMaxXlsxSheetCells cells of its 40 bytes each, and all its text, about 360 MB), so that the
// sheet's limits, which name what was too much, come first.
inline constexpr std::uint64_t kMaxPartBytes = std::uint64_t{512} << 20;

// A name without its namespace prefix ("x:row" -> "row").
std::string_view localName(const char* name);
// The value of an attribute (by local name), or nothing.
std::optional<std::string_view> attribute(const char** attrs, std::string_view name);
// Resolves a relationship target against the folder of the part that names it
// ("xl/" + "worksheets/sheet1.xml"; "/xl/x.xml" is from the package root; ".." goes up).
std::string resolveTarget(const std::string& baseFolder, std::string_view target);
// The folder of a part, with its closing "/" ("xl/workbook.xml" -> "xl/").
std::string folderOf(const std::string& part);

// The handlers of one part's elements. A handler that finds malformed data calls fail(); the
// parse then stops and the error carries the handler's message.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void start(std::string_view name, const char** attrs) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view) {}

    const std::string& failure() const { return failure_; }

protected:
    void fail(std::string message);
    // Stops the parse for a part that is well formed but holds more than the program reads: the
    // error's cause is `cause` alone, without the part's name.
    void refuse(std::string cause);
    // Suspends the parse after the current element; XmlStream::run returns true.
    void pause();

private:
    friend class XmlStream;
    XML_Parser parser_ = nullptr;
    std::string failure_;
    bool refused_ = false; // failure_ is the whole cause
};

class ZipPackage {
public:
    // Throws ServerError (kind Io) when the file is no zip package.
    explicit ZipPackage(const std::string& path);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    const std::string& path() const { return path_; }
    bool has(const std::string& name) const;
    // The size a part declares it unpacks to; 0 for a missing part.
    std::uint64_t declaredSize(const std::string& name) const;

    // Opens a part for reading; throws when it is missing, cannot be read, or declares more
    // than kMaxPartBytes.
    zip_file_t* open(const std::string& name) const;
    // Throws the error of a part larger than kMaxPartBytes.
    [[noreturn]] void tooLarge(const std::string& name) const;

private:
    std::string path_;
    zip_t* zip_ = nullptr;
};

// One XML part parsed in chunks as the handler asks for it.
class XmlStream {
public:
    XmlStream(const ZipPackage& package, std::string part, XmlHandler& handler);
    ~XmlStream();
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // Parses until the handler pauses (true) or the part ends (false). Throws ServerError (kind
    // Io) on malformed XML, a handler's failure, or a part that unpacks past kMaxPartBytes.
    bool run();
    // Parses the whole part.
    void runToEnd();

private:
    [[noreturn]] void failParse() const;

    const ZipPackage& package_;
    std::string part_;
    XmlHandler& handler_;
    zip_file_t* file_;
    XML_Parser parser_;
    std::uint64_t unpacked_ = 0;
    bool suspended_ = false;
    bool finished_ = false;
};

} // namespace qel
