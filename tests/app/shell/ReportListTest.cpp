// A report list's compact rows.
#include "tests/app/shell/ReportListTest.h"

#include "app/shell/ReportList.h"
#include "tests/testsupport/QtTestMain.h"

#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace qel::test {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

// The text and weight of cell (row, column) in a list of the case: its length is
// lengths[(row * 3 + column) % lengths.size()], its letters tell the cell apart.
std::string textOf(const std::vector<int>& lengths, std::size_t row, std::size_t column) {
    const auto length = static_cast<std::size_t>(lengths[(row * 3 + column) % lengths.size()]);
    std::string text = std::to_string(row) + "/" + std::to_string(column) + ":";
    text.resize(length, static_cast<char>('a' + (row + column) % 26));
    return text.substr(0, length);
}

bool boldOf(std::size_t row, std::size_t column) {
    return (row + column) % 3 == 0;
}

} // namespace

void ReportListTest::everyCellReadsBackAsWritten_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<std::vector<int>>("lengths");
    const int block = static_cast<int>(kBlock);
    QTest::newRow("short texts over many blocks") << 30'000 << std::vector<int>{7, 0, 12, 31, 1, 9, 15, 16};
    // 16 texts of 4,096 bytes end exactly at a block's end.
    QTest::newRow("texts filling blocks to the byte") << 40 << std::vector<int>{4096};
    QTest::newRow("a text of a whole block") << 6 << std::vector<int>{5, block, 3};
    QTest::newRow("texts longer than a block among short ones")
        << 9 << std::vector<int>{block + 1, 10, 3 * block + 17, 0, block - 1};
    QTest::newRow("empty texts only") << 100 << std::vector<int>{0};
}

// Every cell reads back as written, bold or not, once the list is whole, and a cell read before
// the list grew still reads the same.
void ReportListTest::everyCellReadsBackAsWritten() {
    QFETCH(int, rows);
    QFETCH(std::vector<int>, lengths);
    ReportList list;
    for (const char* title : {"Description", "Cost", "Account"})
        list.addColumn({title, 1000, CellAlign::Left, 202});
    ReportCell first;
    for (std::size_t r = 0; r < static_cast<std::size_t>(rows); ++r) {
        ReportRow row = list.appendRow(r % 2 ? RowKind::Data : RowKind::Subtotal);
        for (std::size_t c = 0; c < 3; ++c)
            row.set(c, textOf(lengths, r, c), boldOf(r, c));
        if (r == 0)
            first = list.cell(0, 0);
    }
    QCOMPARE(list.rowCount(), static_cast<std::size_t>(rows));
    for (std::size_t r = 0; r < list.rowCount(); ++r) {
        QCOMPARE(list.kind(r), r % 2 ? RowKind::Data : RowKind::Subtotal);
        for (std::size_t c = 0; c < 3; ++c) {
            const ReportCell cell = list.cell(r, c);
            if (std::string(cell.text) != textOf(lengths, r, c) || cell.bold != boldOf(r, c))
                QFAIL(qPrintable(QStringLiteral("row %1, column %2 reads back otherwise").arg(r).arg(c)));
        }
    }
    QCOMPARE(std::string(first.text), textOf(lengths, 0, 0));
}

// A row filled with one text holds it once for all its cells; writing one of them leaves the
// others as filled.
void ReportListTest::aFilledRowsCellsStandAloneWhenOneIsWritten() {
    ReportList list;
    for (const char* title : {"Method", "Description", "Cost"})
        list.addColumn({title, 1000, CellAlign::Left, 202});
    ReportRow total = list.appendFilledRow(RowKind::Total, " ");
    total.set(1, "Grand Total", true);
    QCOMPARE(total.kind(), RowKind::Total);
    QCOMPARE(list.text(0, 0), std::string_view(" "));
    QCOMPARE(list.text(0, 1), std::string_view("Grand Total"));
    QCOMPARE(list.text(0, 2), std::string_view(" "));
    QCOMPARE(list.cell(0, 0).bold, false);
    QCOMPARE(list.cell(0, 1).bold, true);
    // Cells beyond the list read empty; a write beyond its columns is left alone.
    total.set(3, "beyond");
    QCOMPARE(list.text(0, 3), std::string_view());
    QCOMPARE(list.text(1, 0), std::string_view());
}

// The cells of a row are laid out by the columns, so a column after the first row is refused.
void ReportListTest::aListTakesItsColumnsBeforeItsRows() {
    ReportList list;
    list.addColumn({"Description", 1000, CellAlign::Left, 202});
    list.appendRow();
    QVERIFY_THROWS_EXCEPTION(std::logic_error, list.addColumn({"Cost", 1000, CellAlign::Right, 5}));
    QCOMPARE(list.columnCount(), std::size_t{1});
}

QEL_QTEST_REGISTER(ReportListTest);

} // namespace qel::test
