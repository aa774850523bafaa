// Recordset: the values held column by column, the cursor and field lookup.
#include "common/Recordset.h"

#include "common/ServerError.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <strings.h>

namespace qel {
namespace {

std::uint64_t dateBits(Date d) {
    return (std::uint64_t{static_cast<std::uint32_t>(d.year())} << 32) |
           (std::uint64_t{static_cast<std::uint16_t>(d.month())} << 16) | static_cast<std::uint16_t>(d.day());
}

Date dateOf(std::uint64_t bits) {
    return Date(static_cast<std::int32_t>(bits >> 32), static_cast<std::int16_t>((bits >> 16) & 0xFFFF),
                static_cast<std::int16_t>(bits & 0xFFFF));
}

} // namespace

// ---- rows ------------------------------------------------------------------------------

Variant RecordsetRow::at(std::size_t column) const {
    if (column >= size())
        throw std::out_of_range("Field index " + std::to_string(column) + " out of range");
    return (*this)[column];
}

std::vector<Variant> RecordsetRow::values() const {
    std::vector<Variant> values;
    values.reserve(size());
    for (std::size_t c = 0; c < size(); ++c)
        values.push_back((*this)[c]);
    return values;
}

bool operator==(const RecordsetRow& a, const RecordsetRow& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t c = 0; c < a.size(); ++c)
        if (a[c] != b[c])
            return false;
    return true;
}

RecordsetRow RecordsetRows::at(std::size_t row) const {
    if (row >= size())
        throw std::out_of_range("Row " + std::to_string(row) + " out of range");
    return (*this)[row];
}

bool operator==(const RecordsetRows& a, const RecordsetRows& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t r = 0; r < a.size(); ++r)
        if (!(a[r] == b[r]))
            return false;
    return true;
}

// ---- building --------------------------------------------------------------------------

Recordset::Recordset(std::vector<Field> fields) : fields_(std::move(fields)), columns_(fields_.size()) {}

void Recordset::addRow(const std::vector<Variant>& row) {
    setRow(appendRow(), row);
}

std::size_t Recordset::appendRow() {
    for (Column& c : columns_) {
        c.kinds.push_back(ValueKind::Null);
        c.bits.push_back(0);
    }
    return rowCount_++;
}

void Recordset::set(std::size_t row, std::size_t column, const Variant& value) {
    if (value.isText()) {
        setText(row, column, std::get<std::string>(value.storage()));
        return;
    }
    Column& c = columns_.at(column);
    if (row >= rowCount_)
        throw std::out_of_range("Row " + std::to_string(row) + " out of range");
    c.kinds[row] = static_cast<ValueKind>(value.storage().index());
    c.bits[row] = std::visit(
        [](const auto& v) -> std::uint64_t {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::int64_t>)
                return static_cast<std::uint64_t>(v);
            else if constexpr (std::is_same_v<T, double>)
                return std::bit_cast<std::uint64_t>(v);
            else if constexpr (std::is_same_v<T, Date>)
                return dateBits(v);
            else if constexpr (std::is_same_v<T, bool>)
                return v ? 1 : 0;
            else
                return 0;
        },
        value.storage());
}

void Recordset::setText(std::size_t row, std::size_t column, std::string_view text) {
    Column& c = columns_.at(column);
    if (row >= rowCount_)
        throw std::out_of_range("Row " + std::to_string(row) + " out of range");
    const std::uint32_t start = texts_.store(text);
    c.kinds[row] = ValueKind::Text;
    c.bits[row] = (std::uint64_t{static_cast<std::uint32_t>(text.size())} << 32) | start;
}

void Recordset::setRow(std::size_t row, const std::vector<Variant>& values) {
    if (row >= rowCount_)
        throw std::out_of_range("Row " + std::to_string(row) + " out of range");
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (c < values.size()) {
            set(row, c, values[c]);
        } else {
            columns_[c].kinds[row] = ValueKind::Null;
            columns_[c].bits[row] = 0;
        }
    }
}

void Recordset::removeRows(std::size_t first, std::size_t count) {
    if (first > rowCount_ || count > rowCount_ - first)
        throw std::out_of_range("Rows " + std::to_string(first) + " to " + std::to_string(first + count) +
                                " out of range");
    const auto from = static_cast<std::ptrdiff_t>(first);
    const auto to = static_cast<std::ptrdiff_t>(first + count);
    for (Column& c : columns_) {
        c.kinds.erase(c.kinds.begin() + from, c.kinds.begin() + to);
        c.bits.erase(c.bits.begin() + from, c.bits.begin() + to);
    }
    rowCount_ -= count;
}

void Recordset::reserve(std::size_t count) {
    for (Column& c : columns_) {
        c.kinds.reserve(count);
        c.bits.reserve(count);
    }
}

void Recordset::setFieldType(std::size_t index, FieldType type, int definedSize) {
    fields_.at(index).type = type;
    fields_.at(index).definedSize = definedSize;
}

void Recordset::setFieldType(std::string_view name, FieldType type, int definedSize) {
    const auto i = indexOf(name);
    if (i == npos)
        throw ServerError::invalidArgument("Recordset", "No field named '" + std::string(name) + "'");
    setFieldType(i, type, definedSize);
}

// ---- reading ---------------------------------------------------------------------------

std::size_t Recordset::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto& n = fields_[i].name;
        if (n.size() == name.size() && strncasecmp(n.data(), name.data(), n.size()) == 0)
            return i;
    }
    return npos;
}

Variant Recordset::value(std::size_t row, std::size_t column) const {
    const Column& c = columns_[column];
    const std::uint64_t bits = c.bits[row];
    switch (c.kinds[row]) {
    case ValueKind::Null:
        return {};
    case ValueKind::Integer:
        return Variant(static_cast<std::int64_t>(bits));
    case ValueKind::Double:
        return Variant(std::bit_cast<double>(bits));
    case ValueKind::Text:
        return Variant(std::string(text(row, column)));
    case ValueKind::Date:
        return Variant(dateOf(bits));
    case ValueKind::Bool:
        return Variant(bits != 0);
    }
    return {};
}

std::string_view Recordset::text(std::size_t row, std::size_t column) const {
    const Column& c = columns_[column];
    if (c.kinds[row] != ValueKind::Text)
        return {};
    const std::uint64_t bits = c.bits[row];
    return texts_.view(static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32));
}

std::size_t Recordset::heldBytes() const {
    std::size_t bytes = columns_.capacity() * sizeof(Column) + texts_.heldBytes();
    for (const Column& c : columns_)
        bytes += c.kinds.capacity() * sizeof(ValueKind) + c.bits.capacity() * sizeof(std::uint64_t);
    return bytes;
}

// ---- cursor ----------------------------------------------------------------------------

void Recordset::MoveNext() {
    if (position_ < static_cast<long>(rowCount_))
        ++position_;
}

Variant Recordset::operator[](std::size_t index) const {
    if (IsBOF() || IsEOF())
        throw ServerError::invalidArgument("Recordset",
                                           "Either BOF or EOF is True: there is no current record");
    if (index >= fields_.size())
        throw ServerError::invalidArgument("Recordset",
                                           "Field index " + std::to_string(index) + " out of range");
    return value(static_cast<std::size_t>(position_), index);
}

Variant Recordset::operator[](std::string_view name) const {
    const auto i = indexOf(name);
    if (i == npos)
        throw ServerError::invalidArgument("Recordset", "No field named '" + std::string(name) + "'");
    return (*this)[i];
}

} // namespace qel
