// The logon rule of the logon window, apart from its widgets: a user name is required, the data
// server must know the pair, and only the level "Admin" (exactly, case included) keeps the
// user-maintenance and password-switch commands. There is no limit on the number of tries.
#pragma once

#include <QString>

#include <functional>

namespace qel {

enum class LogonOutcome {
    EmptyUser, // "Please enter the User Name."; nothing was looked up
    Invalid,   // no such user and password: "Invalid Entry, please, try again!"
    Admin,     // logged on with every command
    NonAdmin,  // logged on; user maintenance and "Disable Password" are hidden
};

// The level of the user whose name and password match, as the data server finds it (names and
// passwords compare ignoring case); empty when none matches. A failure is shown in the box
// "Error in GetUserLevel. " and gives an empty level.
QString GetUserLevel(const QString& strUser, const QString& strPwd);

class LogonCheck {
public:
    using LevelLookup = std::function<QString(const QString& user, const QString& password)>;

    explicit LogonCheck(LevelLookup lookup = GetUserLevel) : lookup_(std::move(lookup)) {}

    // Judges one try with the two texts as typed (no trimming).
    LogonOutcome check(const QString& user, const QString& password) const;

private:
    LevelLookup lookup_;
};

// The name of the user logged on to the system, proposed in the user-name box; empty when it
// cannot be found.
QString loggedOnUserName();

} // namespace qel
