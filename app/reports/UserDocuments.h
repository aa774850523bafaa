// The user documents folder as the program keeps it (common/DocumentsFolder.h says where it is):
// made and filled from the program's "Files" folder, which the build puts beside the program
// with the yearly Form 4562 templates and their markers, and the refresh of one tax year's
// templates before Form 4562.
//
// Each operation shows its own failures in a box: its lead text, the cause, one blank and the
// error number.
#pragma once

#include <filesystem>
#include <functional>

namespace qel::reports {

// The program's "Files" folder: "Files" beside the program. Tests put another one here.
std::function<std::filesystem::path()>& programFilesFolder();

// True when the user documents folder exists; false when it does not, or after the box "Error in
// RetrieveFilesCopied ".
bool RetrieveFilesCopied();

// Creates the user documents folder with any missing parents and copies every file and folder
// of the program's "Files" folder into it, replacing files of the same name; a folder that
// exists already is filled the same way. True when done; false after the box "Error in
// MovePdfFiles " (a copy that fails partway leaves what was copied).
bool MovePdfFiles();

// Before Form 4562 for the years 2010, 2011 and 2012: when the year's marker "4562_YY.fdf" is
// missing from the user documents folder, fills the folder again as MovePdfFiles does; a failure
// of that copy is thrown to the caller (ServerError 75). Any other failure to read the marker
// shows "Error in Move<year>PdfFiles " and nothing is copied.
void MoveYearPdfFiles(int year);

// Before Form 4562 for any year: when the year's template "4562_YY.pdf" or its marker
// "4562_YY.fdf" is missing from the user documents folder and the program's "Files" folder has
// it, copies it in, leaving the folder's other files as they are. A folder filled by an earlier
// release of the program thus gets the templates of the years added since. A copy that fails is
// thrown (ServerError 75); a year the program has no template for is left to the form, which
// says the template is missing.
void CopyMissingYearFiles(int year);

} // namespace qel::reports
