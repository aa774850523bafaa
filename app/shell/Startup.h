// The start-up and shut-down of the desktop program: the entry steps, the connection through
// the INI path, the last company and the password switch, the two start-up switches of
// tblDefaults, and the saving of the last company.
//
// The database file commands repeat the steps that follow a new connection: CheckForDatabase,
// then GetLastCompany and ShowStartUpWindows (without the logon).
#pragma once

#include <string>

class QApplication;

namespace qel {

class MdiMain;

// The database file named by "DB_Path" of the INI file. Throws ServerError (kind NotConnected)
// when the INI file names none, which would otherwise open a private temporary database or put a
// copy in the working folder.
std::string iniDatabasePath();

// Connects to the database named by "DB_Path" of the INI file and loads the working year from
// tblDefaults. On any failure shows "Couldn't connect to the database. Use menu File\Set
// Database Path" with the cause, and returns false; the connection in use and the working year
// then stay as they were.
bool CheckForDatabase();

// Reads the last company id ("1"), name ("Sample Company") and the password switch ("N") from
// the per-user settings (the menus follow them) and names the company in the main window's
// caption. A stored id that is no number leaves the current id as it was, after the error box.
void GetLastCompany();

// The switches StartUp_Help and ShowCompany of tblDefaults; false when they cannot be read
// (after the error box) or there is no row.
bool CheckForStartUpHelp();
bool CheckForShowCompany();
// Stores a switch in tblDefaults; a failure is shown and leaves the switch as it was.
void SetStartUpHelp(bool value);
void SetShowCompany(bool value);

// Stores the current company id (only above 0), its name and the password switch (only when
// not empty) in the per-user settings.
void SaveLastCompany();

// Opens the picker and acts on the choice: a chosen company becomes the current company, named in
// the main window's caption; New opens company maintenance with the New flag set (the
// maintenance window brings the picker back when it closes); any other close clears the flag.
// Used by the start-up sequence, "Set Company", a new database path, and the maintenance
// window's close after the picker's New button.
void pickCompany();

// "Getting Started" (modeless) when StartUp_Help is on, then the company picker (modal) when
// ShowCompany is on.
void ShowStartUpWindows();

enum class StartupResult {
    Running,    // the main window is open; the event loop takes over
    EndProgram, // the user cancelled the logon: end at once, without the shut-down steps
};

namespace harlune {

// The program's entry steps: the help file beside the program, then the start-up sequence: the
// main window shown, the connection, the last company, the logon when the password switch is
// "Y", and the start-up windows. A failed connection ends the sequence with the window open.
StartupResult Main(MdiMain& mainWindow);

} // namespace harlune
} // namespace qel
