// db: the program's own way to the shared connection: connect to a chosen file, disconnect,
// run its own action statements and read single values.
#pragma once

#include "common/Variant.h"
#include "server/data/Database.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qel {

class db : public ServerObject {
public:
    // Empties the shared connection, so the file is free to be copied. Returns 1.
    std::int16_t Disconnect();
    // Opens the default database and closes it again; raises when it does not open.
    void dbConnection();
    // Makes the file at strDbPath the shared connection. On failure raises (kPassedThrough)
    // and the previous connection stays in use.
    void dbConn(const std::string& strDbPath);
    // Runs one statement, discarding any rows; 0, or the number of the error that stopped it.
    std::int32_t CmdExe(const std::string& strSql);
    // Runs one action statement; true. A failure is raised as kPassedThrough with the cause.
    bool ExecuteSql(const std::string& strSql);
    // The same with the statement's "?" parameters bound to params in order, for values a user
    // typed: they reach the database exactly as typed.
    bool ExecuteSql(const std::string& strSql, const std::vector<Variant>& params);
    // The first field of the first row in its own type, or 0 when there is no row or it is
    // Null. A failure is raised with its own number.
    Variant ReturnValue(const std::string& strSql);
};

// ReturnValue's reading on a given connection: the first field of the first row in its own type,
// or 0 when there is no row or it is Null. A failure is raised with its own number.
Variant firstValue(Connection& conn, const std::string& sql);

} // namespace qel
