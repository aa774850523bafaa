// The list builder: one titled, sized and aligned column per field, and the filler of each
// filler type.
#include "tests/app/reports/rules/ListFixture.h"

namespace qel::reports {
namespace {

using namespace test;

TEST(ListBuilder, ColumnWidthsFollowTheTitleAndTheFieldSize) {
    struct Case {
        const char* name;
        Field field;
        std::int32_t width;
    };
    const Case cases[] = {
        {"text of 50 characters", text("Description", 50), 3600},
        {"integer with a longer title", integer("Asset Num"), 1017},
        {"double by 60 twips a byte", dbl("Cost"), 480},
        {"date with its title", date("In Service"), 1130},
        {"text of 255 characters is capped", text("Notes", 255), 7500},
        {"trailing blanks of the title count", integer("Asset #  "), 1017},
        {"short title over an integer", integer("Id"), 576},
        {"short title over a 16-bit number", Field{"Id", static_cast<FieldType>(2), 2}, 288},
        {"a memo field is capped, not an overflow", Field{"Notes", FieldType::Memo, 536870910}, 7500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(columnFor(c.field, 1).width, c.width);
        EXPECT_EQ(columnFor(c.field, 1).title, c.field.name);
    }
}

TEST(ListBuilder, NumbersDatesAndYesNoAlignRightButNeverTheFirstColumn) {
    struct Case {
        const char* name;
        Field field;
        std::size_t index;
        CellAlign align;
    };
    const Case cases[] = {
        {"integer", integer("N"), 1, CellAlign::Right},
        {"double", dbl("N"), 2, CellAlign::Right},
        {"currency", currency("N"), 1, CellAlign::Right},
        {"date", date("N"), 1, CellAlign::Right},
        {"yes/no", yesNo("N"), 1, CellAlign::Right},
        {"text", text("N"), 1, CellAlign::Left},
        {"memo", Field{"N", FieldType::Memo, 100}, 1, CellAlign::Left},
        {"first column holding numbers", integer("N"), 0, CellAlign::Left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(columnFor(c.field, c.index).align, c.align);
    }
}

TEST(ListBuilder, AnEmptyRecordsetMakesNoColumnAndCallsNoFiller) {
    Boxes boxes;
    ReportList list;
    const Recordset rs({text("Description"), dbl("Cost")});
    EXPECT_EQ(CreateListview(list, rs, "Depreciation WorkSheet", boxes.sink), 0);
    EXPECT_EQ(list.columnCount(), 0u);
    EXPECT_EQ(list.rowCount(), 0u);
}

TEST(ListBuilder, MakesOneColumnPerFieldAndTheListIsAsWideAsThem) {
    Boxes boxes;
    ReportList list;
    const Recordset rs = records({text("Description  ", 20), dbl("Cost")}, {{"Desk", 100.0}});
    EXPECT_EQ(CreateListview(list, rs, "Chart of Accounts", boxes.sink), 1);
    ASSERT_EQ(list.columnCount(), 2u);
    EXPECT_EQ(list.columns()[0].title, "Description  ");
    EXPECT_EQ(list.columns()[0].typeCode, 202);
    EXPECT_EQ(list.columns()[1].typeCode, 5);
    EXPECT_EQ(list.width(), 1469 + 480);
}

// Three records of two methods: the worksheet filler groups them, the generic one does not.
TEST(ListBuilder, TheFillerTypeChoosesTheFillerExactly) {
    struct Case {
        const char* fillerType;
        std::int32_t rows;
    };
    const Case cases[] = {
        {"Depreciation WorkSheet", 3 + 2 * 3 + 1},
        {"New Assets WorkSheet", 3 + 2 * 3 + 1},
        {"Current Year WorkSheet", 3 + 2 * 3 + 1},
        {"ADS 50Year Assets", 3 + 2},
        {"Disposed Assets", 3 + 2},
        {"depreciation worksheet", 3},
        {"Chart of Accounts", 3},
        {"Tag Nbr To Asset ID", 3},
        {"No such type", 3},
    };
    const Recordset rs =
        records({text("Method"), text("Description"), dbl("Cost"), dbl("Depr")},
                {{"ADS", "Desk", 100.0, 10.0}, {"ADS", "Chair", 50.0, 5.0}, {"MACRS", "Car", 900.0, 90.0}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fillerType);
        Boxes boxes;
        ReportList list;
        EXPECT_EQ(CreateListview(list, rs, c.fillerType, boxes.sink), c.rows);
        EXPECT_EQ(static_cast<std::int32_t>(list.rowCount()), c.rows);
        EXPECT_TRUE(boxes.shown.empty());
    }
}

} // namespace
} // namespace qel::reports
