// The import log: a text file in the user documents folder that names every failed test of a
// sheet check, kept for the user to read when the check refuses the workbook and deleted when
// every row passed.
//
// Its name is "ImportLog-" with the month, day, year, hour, minute and second of the check,
// each without leading zeros and joined by "-", then ".txt" (ImportLog-3-7-2012-14-5-9.txt).
// Line 1 holds the date and time of the check; then one line per failed test, or "No data
// found." when the sheet had no asset row.
#pragma once

#include "common/Date.h"

#include <cstdint>
#include <fstream>
#include <string>

namespace qel::exchange {

// A moment of the local clock, to the second.
struct Moment {
    Date date;
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0;
};

inline const std::string kNoDataFound = "No data found.";

// "ImportLog-3-7-2012-14-5-9.txt".
std::string importLogName(const Moment& when);

// The date and time as the log's first line shows them: "3/7/2012 2:05:09 PM".
std::string generalDateTime(const Moment& when);

// One import log file, created new (a file of the same name is replaced).
class ImportLog {
public:
    // Creates the file (and its folder when it is missing) and writes the date line. Throws
    // ServerError (kind Io) naming the file when it cannot be created or written.
    ImportLog(const std::string& folder, const Moment& when);

    const std::string& path() const { return path_; }

    // Appends one line. Throws ServerError (kind Io) when it cannot be written.
    void writeLine(const std::string& line);
    // Closes the file; it stays for the user.
    void close();
    // Closes and deletes the file.
    void remove();

private:
    std::string path_;
    std::ofstream out_;
};

} // namespace qel::exchange
