// The File menu's commands on the database file itself: "Backup Database", "Restore Database"
// and "Set Databse Path".
//
// The database file is the one named by "DB_Path" of the INI file; only SetDatabasePath writes
// that key. Each command asks for a file, does its work within the one menu event and reports
// its result on the status line; Cancel in its file dialog ends it silently with nothing
// changed. A failure is shown in an error box with its cause, and the status line then reports
// no success.
#pragma once

#include "server/data/DatabaseFile.h"

#include <QString>

namespace qel {

// The one name the restore and set-path commands accept, and the name the backup proposes.
inline const QString kDatabaseFileName = QStringLiteral("VOSSMERE.MDB");

// True when the file name of path (the text after its last folder separator) is
// "VOSSMERE.MDB" in any mix of upper and lower case.
bool isDatabaseFileName(const QString& path);

// Copies the database in use (the INI's file when there is no connection) to a file the user
// chooses, through SQLite's online backup: the connection stays open and in use, and a copy
// that fails leaves the chosen file as it was. Then "Database was successfully backup.".
void BackupDatabase();

// Puts a file the user chooses in place of the database file. The file must be named
// VOSSMERE.MDB ("File name must be VOSSMERE.MDB" otherwise) and be a database of this system
// that SQLite's integrity check finds sound; each refusal changes nothing. The connection is closed for the
// copy and always opened again afterwards, also when the copy failed, which leaves the database file
// untouched. Then "Database was successfully restored.". The current company and working year are not
// reloaded.
void RestoreDatabase();

// Makes a file the user chooses the database for this and every later run. A database that
// SQLite's integrity check finds damaged is refused with its cause and nothing changes. Only
// when it connects (CheckForDatabase) is the path kept, the later start-up steps repeated (the last
// company and password switch, "Getting Started" and the company picker as tblDefaults asks; no
// logon) and "Database Path was successfully set." shown. A file that does not connect leaves
// the previous path and connection in use and the status line says "Database Path was not set.".
void SetDatabasePath();

// Observes the copies of the backup and restore commands; empty unless a test sets it to make a
// copy fail part-way.
CopyProgress& databaseCopyObserver();

} // namespace qel
