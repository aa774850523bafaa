// Recordset: the rows of one query, held in memory and independent of any connection.
//
// Fields keep the statement's names exactly (trailing blanks inside brackets included) and are
// found by position or by name ignoring case. Each field has a type code (the numbers callers
// test: FieldType) and a defined size, from the declared column type or set by the query for
// computed columns. Rows come in the statement's order.
#pragma once

#include "common/Variant.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

enum class FieldType : int {
    Integer = 3,
    Double = 5,
    Currency = 6,
    Date = 7,
    Boolean = 11,
    Text = 202,
    Memo = 203,
};

struct Field {
    std::string name;
    FieldType type = FieldType::Text;
    int definedSize = 255; // characters for text, bytes for numbers and dates
};

class Recordset {
public:
    Recordset() = default;
    explicit Recordset(std::vector<Field> fields) : fields_(std::move(fields)) {}

    // Building (used by the query routines and by tests).
    void addRow(std::vector<Variant> row);
    void setFieldType(std::size_t index, FieldType type, int definedSize);
    void setFieldType(std::string_view name, FieldType type, int definedSize);

    // Shape.
    std::size_t fieldCount() const { return fields_.size(); }
    const std::vector<Field>& fields() const { return fields_; }
    const Field& field(std::size_t index) const { return fields_.at(index); }
    // Position of the field with this name (ignoring case), or npos.
    std::size_t indexOf(std::string_view name) const;
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // Rows.
    std::size_t RecordCount() const { return rows_.size(); }
    const std::vector<std::vector<Variant>>& rows() const { return rows_; }
    std::vector<std::vector<Variant>>& rows() { return rows_; }

    // Cursor: starts on the first row; IsBOF and IsEOF are both true when there is no row.
    // (EOF is a C macro, hence the Is prefix.)
    bool IsBOF() const { return rows_.empty() || position_ < 0; }
    bool IsEOF() const { return rows_.empty() || position_ >= static_cast<long>(rows_.size()); }
    void MoveFirst() { position_ = 0; }
    void MoveNext();
    void MoveLast() { position_ = static_cast<long>(rows_.size()) - 1; }
    long AbsolutePosition() const { return position_; }

    // The current row's value of a field, by position or by name (ignoring case). Throws
    // ServerError (InvalidArgument) for an unknown field or when there is no current row.
    const Variant& operator[](std::size_t index) const;
    const Variant& operator[](std::string_view name) const;

private:
    std::vector<Field> fields_;
    std::vector<std::vector<Variant>> rows_;
    long position_ = 0;
};

} // namespace qel
