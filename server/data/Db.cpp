// The db class.
#include "server/data/Db.h"

namespace qel {

std::int16_t db::Disconnect() {
    gConn().reset();
    return 1;
}

void db::dbConnection() {
    GetADOConnection();
}

void db::dbConn(const std::string& strDbPath) {
    GetDbConnection(strDbPath);
}

std::int32_t db::CmdExe(const std::string& strSql) {
    try {
        if (!gConn())
            return kErrNotConnected;
        gConn()->execute(strSql);
        return 0;
    } catch (const ServerError& e) {
        return e.number();
    }
}

bool db::ExecuteSql(const std::string& strSql) {
    return passOn("db", "ExecuteSql", [&] { return ExecuteQuery(strSql); });
}

bool db::ExecuteSql(const std::string& strSql, const std::vector<Variant>& params) {
    return passOn("db", "ExecuteSql", [&] { return ExecuteQuery(strSql, nullptr, params); });
}

Variant db::ReturnValue(const std::string& strSql) {
    if (!gConn())
        throw notConnectedError(kErrNotConnected, "Database",
                                "Operation is not allowed when the object is closed.");
    return firstValue(*gConn(), strSql);
}

Variant firstValue(Connection& conn, const std::string& sql) {
    const Recordset rs = conn.query(sql);
    if (rs.IsBOF() && rs.IsEOF())
        return Variant(0);
    const Variant& v = rs[0];
    return v.isNull() ? Variant(0) : v;
}

} // namespace qel
