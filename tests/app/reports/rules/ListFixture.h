// Small report recordsets made in memory, the list built from one, and readers of a list's
// cells, for the tests of the list builder and the fillers.
#pragma once

#include "app/reports/rules/ListBuilder.h"
#include "app/reports/rules/ReportFormat.h"
#include "app/shell/ReportList.h"
#include "common/Recordset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel::reports::test {

inline Field text(const std::string& name, int size = 50) {
    return {name, FieldType::Text, size};
}
inline Field integer(const std::string& name) {
    return {name, FieldType::Integer, 4};
}
inline Field dbl(const std::string& name) {
    return {name, FieldType::Double, 8};
}
inline Field currency(const std::string& name) {
    return {name, FieldType::Currency, 8};
}
inline Field date(const std::string& name) {
    return {name, FieldType::Date, 8};
}
inline Field yesNo(const std::string& name) {
    return {name, FieldType::Boolean, 2};
}

inline Recordset records(std::vector<Field> fields, std::vector<std::vector<Variant>> rows) {
    Recordset rs(std::move(fields));
    for (auto& r : rows)
        rs.addRow(std::move(r));
    return rs;
}

// Collects the error boxes a list shows.
struct Boxes {
    std::vector<std::string> shown;
    MessageSink sink = [this](const std::string& text) { shown.push_back(text); };
};

// The list's columns made as the list builder makes them, with no rows.
inline ReportList columnsOf(const Recordset& rs) {
    ReportList list;
    for (std::size_t i = 0; i < rs.fieldCount(); ++i)
        list.addColumn(columnFor(rs.field(i), i));
    return list;
}

// One row's cell texts.
inline std::vector<std::string> texts(const ReportList& list, std::size_t row) {
    std::vector<std::string> out;
    for (std::size_t c = 0; c < list.columnCount(); ++c)
        out.emplace_back(list.text(row, c));
    return out;
}

// One column's cell texts, every row.
inline std::vector<std::string> columnTexts(const ReportList& list, std::size_t column) {
    std::vector<std::string> out;
    for (std::size_t r = 0; r < list.rowCount(); ++r)
        out.emplace_back(list.text(r, column));
    return out;
}

inline std::vector<RowKind> kinds(const ReportList& list) {
    std::vector<RowKind> out;
    for (std::size_t r = 0; r < list.rowCount(); ++r)
        out.push_back(list.kind(r));
    return out;
}

// The positions of the bold cells of a row.
inline std::vector<std::size_t> boldCells(const ReportList& list, std::size_t row) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < list.columnCount(); ++i)
        if (list.cell(row, i).bold)
            out.push_back(i);
    return out;
}

} // namespace qel::reports::test
