// The database file as a whole: copying it while it is in use (SQLite's online backup), putting
// a copy back in its place, and telling a database of this system from any other file.
//
// Every copy is written to a temporary file beside its target (TempBeside.h) and renamed into
// place only when it is complete, so a copy that fails part-way leaves the target as it was; the
// temporary file of a copy that was killed part-way is removed by the next copy to that target.
#pragma once

#include "server/data/Connection.h"

#include <functional>
#include <string>

namespace qel {

// Observes a copy: called after each step with the pages copied so far and the total. An
// exception thrown from it abandons the copy (the target stays as it was) and leaves the call.
using CopyProgress = std::function<void(int copied, int total)>;

// Writes the committed state of the database open on `source` to the file at targetPath,
// replacing a file of that name. The source stays open and usable throughout. The copy has the
// permissions of the database file (a database readable by its owner only gives a copy readable
// by its owner only). Refuses a target that is the source's own file or that another connection
// holds open (its "-wal" or "-journal" file exists), and one that names something other than a
// regular file (a named pipe, a folder, a device). Throws ServerError (kind Io) with the cause;
// the target is then unchanged.
void backupDatabase(Connection& source, const std::string& targetPath, const CopyProgress& progress = {});

// The same copy from the database of the calling thread's shared connection (Database.h). False,
// with nothing written, when the thread has no connection.
bool backupConnectedDatabase(const std::string& targetPath, const CopyProgress& progress = {});

// The same copy from the database file at sourcePath, which is only read.
void copyDatabaseFile(const std::string& sourcePath, const std::string& targetPath,
                      const CopyProgress& progress = {});

// Runs SQLite's integrity check on the database file at path, which is only read and left as it
// was (Connection::openToRead). Throws
// ServerError (kind Io) "The database '<path>' is damaged and cannot be used: <first problem>"
// when it finds damage, and one naming the file when another connection keeps it from being
// checked. A file that is no SQLite database at all (missing, unreadable, of another kind) is not
// judged here: callers refuse it on their own terms.
void refuseDamagedDatabase(const std::string& path);

// True when the file at path is an SQLite database that holds every table of this system's
// schema; false for a missing file, a file that is no database, a database of another kind, and
// for anything but a regular file (told without opening it). The file is only read and left as
// it was (Connection::openToRead). Never throws.
bool isSystemDatabase(const std::string& path);

// Puts the database at sourcePath in place of the live database file at livePath. The source
// must be a database of this system (isSystemDatabase) that passes the integrity check
// (refuseDamagedDatabase), and no connection may hold the live file open (disconnect first).
// The live file keeps its permissions. Throws ServerError: kind InvalidArgument when the source
// is no database of this system, kind Io when it is damaged or the copy fails; the live file is
// then untouched.
void restoreDatabase(const std::string& sourcePath, const std::string& livePath,
                     const CopyProgress& progress = {});

} // namespace qel
