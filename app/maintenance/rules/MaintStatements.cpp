// The maintenance window's INSERT, UPDATE and DELETE statements.
#include "app/maintenance/rules/MaintStatements.h"

#include "app/maintenance/rules/MaintCells.h"
#include "common/Convert.h"
#include "common/SqlLiteral.h"
#include "common/Text.h"

#include <algorithm>
#include <cctype>

namespace qel {
namespace {

enum class ValueForm { Text, Whole, Amount, Date, YesNo };

// How a field of this type code is written.
ValueForm formOf(std::int32_t typeCode) {
    switch (typeCode) {
    case 2:  // small integer
    case 3:  // integer
    case 16: // tiny integer
    case 17: // unsigned tiny integer
    case 18: // unsigned small integer
    case 19: // unsigned integer
    case 20: // big integer
    case 21: // unsigned big integer
        return ValueForm::Whole;
    case 4:   // single
    case 5:   // double
    case 6:   // currency
    case 14:  // decimal
    case 131: // numeric
        return ValueForm::Amount;
    case 7:   // date
    case 133: // database date
    case 134: // database time
    case 135: // database time stamp
        return ValueForm::Date;
    case 11:
        return ValueForm::YesNo;
    default:
        return ValueForm::Text;
    }
}

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

[[noreturn]] void refuse(const std::string& procedure, const std::string& description) {
    throw ServerError(kErrInvalidArgument, procedure, description, ErrorKind::InvalidArgument);
}

// A date typed as mm/dd/yyyy, the date field's mask.
std::optional<Date> typedDate(const std::string& t) {
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return std::nullopt;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!std::isdigit(static_cast<unsigned char>(t[i])))
            return std::nullopt;
    const int month = std::stoi(t.substr(0, 2));
    const int day = std::stoi(t.substr(3, 2));
    const int year = std::stoi(t.substr(6, 4));
    if (!Date::isValid(year, month, day))
        return std::nullopt;
    return Date(year, month, day);
}

bool blankDate(const std::string& t) {
    return t.find_first_not_of(" /_") == std::string::npos;
}

} // namespace

std::optional<NumberRange> maintNumberRange(const Field& field) {
    switch (formOf(static_cast<std::int32_t>(field.type))) {
    case ValueForm::Whole:
        return trimBlanks(field.name) == "Year" ? kYearRange : kWholeRange;
    case ValueForm::Amount:
        return trimBlanks(field.name) == "Year" ? kYearRange : kDollarRange;
    case ValueForm::Text:
    case ValueForm::Date:
    case ValueForm::YesNo:
        break;
    }
    return std::nullopt;
}

namespace {

// Appends value i of the record to the statement: a literal, or "?" with its parameter.
void appendValue(const MaintRecord& r, std::size_t i, const std::string& procedure, SqlStatement& out) {
    const Field& f = r.fields.at(i);
    const MaintEditValue& v = r.values.at(i);
    const std::string name(trimBlanks(f.name));
    for (const IdColumn& id : r.table.idColumns) {
        if (fieldPosition(r.fields, id.field) != static_cast<int>(i))
            continue;
        if (!v.itemData)
            refuse(procedure, "No entry of " + name + " is chosen.");
        out.sql += sqlNumber(static_cast<std::int64_t>(*v.itemData));
        return;
    }
    switch (formOf(static_cast<std::int32_t>(f.type))) {
    case ValueForm::Text:
        out.sql += "?";
        out.params.emplace_back(v.text);
        return;
    case ValueForm::Whole:
    case ValueForm::Amount:
        if (trimBlanks(v.text).empty()) {
            out.sql += "0";
        } else if (!isPlainNumber(v.text)) {
            refuse(procedure, name + " must be a number: \"" + v.text + "\"");
        } else if (const std::optional<std::string> fault = numberFault(name, v.text, *maintNumberRange(f))) {
            refuse(procedure, *fault);
        } else if (formOf(static_cast<std::int32_t>(f.type)) == ValueForm::Whole) {
            out.sql += sqlNumber(Variant(leadingNumber(v.text)).toInt64());
        } else {
            out.sql += sqlNumber(leadingNumber(v.text));
        }
        return;
    case ValueForm::Date:
        if (blankDate(v.text)) {
            out.sql += "Null";
        } else if (const auto d = typedDate(v.text)) {
            out.sql += sqlDate(*d);
        } else {
            refuse(procedure, name + " must be a date mm/dd/yyyy: \"" + v.text + "\"");
        }
        return;
    case ValueForm::YesNo: {
        const std::string u = upper(v.text);
        out.sql += sqlBool(u == "YES" || u == "TRUE");
        return;
    }
    }
}

// The column name of position i: the id column of the table, else the field's name in brackets.
std::string columnOf(const MaintRecord& r, std::size_t i, bool& plain) {
    for (const IdColumn& id : r.table.idColumns) {
        if (fieldPosition(r.fields, id.field) == static_cast<int>(i)) {
            plain = true;
            return id.column;
        }
    }
    plain = false;
    return "[" + std::string(trimBlanks(r.fields.at(i).name)) + "]";
}

std::size_t editCount(const MaintRecord& r) {
    if (r.fields.empty() || r.values.size() + 1 != r.fields.size())
        refuse("CreateInsertSQL", "The edit fields do not match the table's list.");
    return r.values.size();
}

// " = <key>" for a numeric key, " = ?" with the key bound otherwise.
void appendKey(const std::string& keyValue, SqlStatement& out) {
    if (isPlainNumber(keyValue)) {
        out.sql += sqlNumber(leadingNumber(keyValue));
    } else {
        out.sql += "?";
        out.params.emplace_back(keyValue);
    }
}

std::string keyName(const std::vector<Field>& fields) {
    if (fields.empty())
        refuse("frmMaint", "The table has no key field.");
    return std::string(trimBlanks(fields.back().name));
}

} // namespace

SqlStatement CreateInsertSQL(const MaintRecord& r) {
    const std::size_t n = editCount(r);
    SqlStatement out{"INSERT INTO " + r.table.tableName + " (", {}};
    for (std::size_t i = 0; i < n; ++i) {
        bool plain = false;
        const std::string column = columnOf(r, i, plain);
        out.sql += plain ? (i == 0 ? " " : ", ") + column + " " : (i == 0 ? "" : ", ") + column;
    }
    if (!r.table.companyColumn.empty())
        out.sql += ", " + r.table.companyColumn;
    out.sql += ") Values( ";
    for (std::size_t i = 0; i < n; ++i) {
        appendValue(r, i, "CreateInsertSQL", out);
        if (i + 1 < n)
            out.sql += ", ";
    }
    if (!r.table.companyColumn.empty())
        out.sql += ", " + sqlNumber(static_cast<std::int64_t>(r.companyId));
    out.sql += ")";
    return out;
}

SqlStatement CreateUpdateSQL(const MaintRecord& r, const std::string& keyValue) {
    const std::size_t n = editCount(r);
    SqlStatement out{"Update " + r.table.tableName + " Set ", {}};
    for (std::size_t i = 0; i < n; ++i) {
        bool plain = false;
        const std::string column = columnOf(r, i, plain);
        if (plain)
            out.sql += (i == 0 ? " " : ", ") + column + " ";
        else
            out.sql += (i == 0 ? "" : i == 5 ? ", " : " , ") + column;
        out.sql += " = ";
        appendValue(r, i, "CreateUpdateSQL", out);
    }
    out.sql += " WHERE " + keyName(r.fields) + " = ";
    appendKey(keyValue, out);
    return out;
}

SqlStatement CreateDeleteSQL(const MaintTable& table, const std::vector<Field>& fields,
                             const std::string& keyValue) {
    SqlStatement out{"Delete from " + table.tableName + " WHERE " + keyName(fields) + "  = ", {}};
    appendKey(keyValue, out);
    return out;
}

std::string RetrieveKeySql(const MaintTable& table, const std::vector<Field>& fields) {
    return "Select MAX(" + keyName(fields) + ") from " + table.tableName;
}

bool isDuplicateKey(const ServerError& error) {
    const std::string& d = error.description();
    return error.kind() == ErrorKind::Constraint &&
           (d.find("UNIQUE constraint failed") != std::string::npos ||
            d.find("PRIMARY KEY") != std::string::npos);
}

} // namespace qel
