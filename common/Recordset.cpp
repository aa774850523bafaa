// Recordset cursor and field lookup.
#include "common/Recordset.h"

#include "common/ServerError.h"

#include <strings.h>

namespace qel {

void Recordset::addRow(std::vector<Variant> row) {
    row.resize(fields_.size());
    rows_.push_back(std::move(row));
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

std::size_t Recordset::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto& n = fields_[i].name;
        if (n.size() == name.size() && strncasecmp(n.data(), name.data(), n.size()) == 0)
            return i;
    }
    return npos;
}

void Recordset::MoveNext() {
    if (position_ < static_cast<long>(rows_.size()))
        ++position_;
}

const Variant& Recordset::operator[](std::size_t index) const {
    if (IsBOF() || IsEOF())
        throw ServerError::invalidArgument("Recordset",
                                           "Either BOF or EOF is True: there is no current record");
    if (index >= fields_.size())
        throw ServerError::invalidArgument("Recordset",
                                           "Field index " + std::to_string(index) + " out of range");
    return rows_[position_][index];
}

const Variant& Recordset::operator[](std::string_view name) const {
    const auto i = indexOf(name);
    if (i == npos)
        throw ServerError::invalidArgument("Recordset", "No field named '" + std::string(name) + "'");
    return (*this)[i];
}

} // namespace qel
