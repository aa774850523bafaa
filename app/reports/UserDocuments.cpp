// The user documents folder and the program's "Files" folder.
#include "app/reports/UserDocuments.h"

#include "app/shell/ErrorBox.h"
#include "common/DocumentsFolder.h"
#include "common/ServerError.h"
#include "form4562/Display4562.h"

#include <QCoreApplication>

#include <fstream>

namespace qel::reports {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSource = "ProcessData";
// The file errors the boxes show: "Path/File access error" and "Path not found".
constexpr std::int32_t kErrFileAccess = 75;
constexpr std::int32_t kErrPathNotFound = 76;

fs::path documentsFolder() {
    return fs::path(userDocumentsFolder());
}

// Whether the path is a folder; false when nothing is there. A path that cannot be looked at
// (no permission on a folder above it) fails.
bool folderExists(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return false;
    if (error)
        throw ServerError(kErrFileAccess, kSource,
                          "Path/File access error: " + path.string() + ": " + error.message(), ErrorKind::Io);
    return fs::is_directory(status);
}

// A file operation's failure as the boxes tell it: "Path/File access error" with the operation,
// the path and the cause.
[[noreturn]] void accessError(const char* operation, const fs::path& path, const std::error_code& error) {
    throw ServerError(kErrFileAccess, kSource,
                      std::string("Path/File access error: ") + operation + " " + path.string() + ": " +
                          error.message(),
                      ErrorKind::Io);
}

// Makes the documents folder with its parents and copies the "Files" folder into it, replacing
// files of the same name.
void fillDocumentsFolder() {
    const fs::path folder = documentsFolder();
    const fs::path files = programFilesFolder()();
    std::error_code error;
    const fs::file_status filesStatus = fs::status(files, error);
    if (error && filesStatus.type() != fs::file_type::not_found)
        accessError("cannot read", files, error);
    if (!fs::is_directory(filesStatus))
        throw ServerError(kErrPathNotFound, kSource, "Path not found: " + files.string(), ErrorKind::Io);
    fs::create_directories(folder, error);
    if (error)
        accessError("cannot create", folder, error);
    fs::copy(files, folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    if (error)
        accessError("cannot copy into", folder, error);
}

} // namespace

std::function<fs::path()>& programFilesFolder() {
    static std::function<fs::path()> folder = [] {
        return fs::path(QCoreApplication::applicationDirPath().toStdString()) / "Files";
    };
    return folder;
}

bool RetrieveFilesCopied() {
    bool exists = false;
    runWithErrorBox(
        QStringLiteral("Error in RetrieveFilesCopied "), [&] { exists = folderExists(documentsFolder()); },
        kBlank);
    return exists;
}

bool MovePdfFiles() {
    return runWithErrorBox(QStringLiteral("Error in MovePdfFiles "), fillDocumentsFolder, kBlank);
}

void MoveYearPdfFiles(int year) {
    const fs::path marker = Display4562::MarkerPath(static_cast<std::int16_t>(year));
    bool missing = false;
    runWithErrorBox(
        QStringLiteral("Error in Move%1PdfFiles ").arg(year),
        [&] {
            if (!folderExists(marker.parent_path()))
                throw ServerError(kErrPathNotFound, kSource,
                                  "Path not found: " + marker.parent_path().string(), ErrorKind::Io);
            std::error_code error;
            missing = !fs::exists(marker, error) && !error;
            if (!missing && !std::ifstream(marker))
                throw ServerError(kErrFileAccess, kSource, "Path/File access error: " + marker.string(),
                                  ErrorKind::Io);
        },
        kBlank);
    if (missing)
        fillDocumentsFolder();
}

void CopyMissingYearFiles(int year) {
    const auto y = static_cast<std::int16_t>(year);
    for (const fs::path& target :
         {fs::path(Display4562::TemplatePath(y)), fs::path(Display4562::MarkerPath(y))}) {
        std::error_code error;
        if (fs::exists(target, error) || error)
            continue; // a file that cannot be looked at is the form's to report
        const fs::path source = programFilesFolder()() / target.filename();
        if (!fs::is_regular_file(source, error))
            continue;
        fs::create_directories(target.parent_path(), error);
        if (error)
            accessError("cannot create", target.parent_path(), error);
        fs::copy_file(source, target, error);
        if (error)
            accessError("cannot copy into", target, error);
    }
}

} // namespace qel::reports
