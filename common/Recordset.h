// Recordset: the rows of one query, held in memory and independent of any connection.
//
// Fields keep the statement's names exactly (trailing blanks inside brackets included) and are
// found by position or by name ignoring case. Each field has a type code (the numbers callers
// test: FieldType) and a defined size, from the declared column type or set by the query for
// computed columns. Rows come in the statement's order.
//
// A report's query answers 100,000 rows and more, so the values are held compactly, column by
// column: a byte for each value's kind and eight bytes for the value itself (a number, a date, or
// where its text starts and its length), the texts one after another in blocks (TextBlocks). A
// value is read as a Variant made on the spot; text() reads a text without copying it, and a
// column's values lie together, so reading one column of every row (a sort's keys) stays quick.
#pragma once

#include "common/Date.h"
#include "common/TextBlocks.h"
#include "common/Variant.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
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

// The kind of a value held, in the order of Variant's alternatives.
enum class ValueKind : std::uint8_t { Null, Integer, Double, Text, Date, Bool };
static_assert(std::variant_size_v<Variant::Storage> == 6 &&
              std::is_same_v<std::variant_alternative_t<3, Variant::Storage>, std::string> &&
              std::is_same_v<std::variant_alternative_t<4, Variant::Storage>, Date>);

class Recordset;

// An input iterator over a range read by position (a row's values, a recordset's rows): it
// holds the range, a light reference, and reads range[position] when dereferenced.
template <class Range, class Value> class PositionIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = Value;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Value;

    PositionIterator(Range range, std::size_t position) : range_(range), position_(position) {}
    Value operator*() const { return range_[position_]; }
    PositionIterator& operator++() {
        ++position_;
        return *this;
    }
    PositionIterator operator++(int) {
        PositionIterator was = *this;
        ++position_;
        return was;
    }
    friend bool operator==(const PositionIterator& a, const PositionIterator& b) {
        return a.position_ == b.position_;
    }

private:
    Range range_;
    std::size_t position_;
};

// One row of a recordset, read by field position. It refers to the recordset, which must
// outlive it; its values are made when read.
class RecordsetRow {
public:
    using iterator = PositionIterator<RecordsetRow, Variant>;

    RecordsetRow(const Recordset& rs, std::size_t row) : rs_(&rs), row_(row) {}

    std::size_t index() const { return row_; }
    std::size_t size() const;
    Variant operator[](std::size_t column) const;
    // Throws std::out_of_range for a field the recordset does not have.
    Variant at(std::size_t column) const;
    std::vector<Variant> values() const;
    iterator begin() const;
    iterator end() const;

    friend bool operator==(const RecordsetRow& a, const RecordsetRow& b);

private:
    const Recordset* rs_;
    std::size_t row_;
};

// The rows of a recordset, as a range of RecordsetRow (for loops, size, indexing).
class RecordsetRows {
public:
    using iterator = PositionIterator<RecordsetRows, RecordsetRow>;

    explicit RecordsetRows(const Recordset& rs) : rs_(&rs) {}

    std::size_t size() const;
    bool empty() const { return size() == 0; }
    RecordsetRow operator[](std::size_t row) const { return RecordsetRow(*rs_, row); }
    // Throws std::out_of_range for a row the recordset does not have.
    RecordsetRow at(std::size_t row) const;
    RecordsetRow front() const { return at(0); }
    RecordsetRow back() const { return at(size() - 1); }
    iterator begin() const;
    iterator end() const;

    friend bool operator==(const RecordsetRows& a, const RecordsetRows& b);

private:
    const Recordset* rs_;
};

class Recordset {
public:
    Recordset() = default;
    explicit Recordset(std::vector<Field> fields);

    // Building (used by the query routines and by tests).
    // Appends a row of these values in field order: missing ones are Null, extra ones dropped.
    void addRow(const std::vector<Variant>& row);
    // Appends a row of Nulls; returns its position.
    std::size_t appendRow();
    // Sets one value; set() of a text value stores it as setText() does.
    void set(std::size_t row, std::size_t column, const Variant& value);
    void setText(std::size_t row, std::size_t column, std::string_view text);
    // Replaces a row's values (as addRow reads them).
    void setRow(std::size_t row, const std::vector<Variant>& values);
    // Removes `count` rows from `first` on.
    void removeRows(std::size_t first, std::size_t count);
    // Makes room for `count` rows in all.
    void reserve(std::size_t count);
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
    std::size_t RecordCount() const { return rowCount_; }
    // The rows refer to the recordset, so a temporary one has none to give (its rows would
    // outlive it in a for loop over them).
    RecordsetRows rows() const& { return RecordsetRows(*this); }
    RecordsetRows rows() const&& = delete;
    // A value by row and field position (neither checked: callers stay within RecordCount() and
    // fieldCount()).
    Variant value(std::size_t row, std::size_t column) const;
    ValueKind kind(std::size_t row, std::size_t column) const { return columns_[column].kinds[row]; }
    // A text value without copying it, valid until the recordset changes; "" for another kind.
    std::string_view text(std::size_t row, std::size_t column) const;
    // The bytes the values take in memory (room made included).
    std::size_t heldBytes() const;

    // Cursor: starts on the first row; IsBOF and IsEOF are both true when there is no row.
    // (EOF is a C macro, hence the Is prefix.)
    bool IsBOF() const { return rowCount_ == 0 || position_ < 0; }
    bool IsEOF() const { return rowCount_ == 0 || position_ >= static_cast<long>(rowCount_); }
    void MoveFirst() { position_ = 0; }
    void MoveNext();
    void MoveLast() { position_ = static_cast<long>(rowCount_) - 1; }
    long AbsolutePosition() const { return position_; }

    // The current row's value of a field, by position or by name (ignoring case). Throws
    // ServerError (InvalidArgument) for an unknown field or when there is no current row.
    Variant operator[](std::size_t index) const;
    Variant operator[](std::string_view name) const;

private:
    // A field's values: each one's kind, and its bits: the number, the date's year, month and
    // day, the Yes/No value, or the text's start in texts_ (low half) and length (high half).
    struct Column {
        std::vector<ValueKind> kinds;
        std::vector<std::uint64_t> bits;
    };

    std::vector<Field> fields_;
    std::vector<Column> columns_; // one a field
    std::size_t rowCount_ = 0;
    TextBlocks texts_;
    long position_ = 0;
};

inline std::size_t RecordsetRow::size() const {
    return rs_->fieldCount();
}

inline Variant RecordsetRow::operator[](std::size_t column) const {
    return rs_->value(row_, column);
}

inline RecordsetRow::iterator RecordsetRow::begin() const {
    return iterator(*this, 0);
}

inline RecordsetRow::iterator RecordsetRow::end() const {
    return iterator(*this, size());
}

inline std::size_t RecordsetRows::size() const {
    return rs_->RecordCount();
}

inline RecordsetRows::iterator RecordsetRows::begin() const {
    return iterator(*this, 0);
}

inline RecordsetRows::iterator RecordsetRows::end() const {
    return iterator(*this, size());
}

} // namespace qel
