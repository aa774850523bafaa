// The maintenance window's columns, edit fields and window layout, in twips.
#include "app/maintenance/rules/MaintLayout.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

Field field(const char* name, int typeCode, int size) {
    return {name, static_cast<FieldType>(typeCode), size};
}

TEST(MaintLayoutTest, ColumnsAndEditFieldsOfTheSection179List) {
    // A small-integer year with a padded title, two currency amounts and the key.
    const MaintListLayout l = layoutList({field("Year  ", 2, 2), field("Maximum Amount", 6, 8),
                                          field("Threshold Cost", 6, 8), field("ID", 3, 4)});

    ASSERT_EQ(l.columns.size(), 4u);
    const std::int32_t widths[] = {700, 1500, 1500, 0};
    const bool right[] = {false, true, true, true};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(l.columns[i].width, widths[i]);
        EXPECT_EQ(l.columns[i].rightAligned, right[i]);
    }
    EXPECT_EQ(l.columns[0].title, "Year  ") << "the title keeps the blanks that widen it";
    EXPECT_EQ(l.keyField, "ID");

    ASSERT_EQ(l.fields.size(), 3u);
    const char* captions[] = {"Year: ", "Maximum Amount: ", "Threshold Cost: "};
    const std::int32_t fieldWidths[] = {910, 1950, 1950};
    const std::int32_t lengths[] = {4, 16, 16};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(l.fields[i].caption, captions[i]);
        EXPECT_EQ(l.fields[i].width, fieldWidths[i]);
        EXPECT_EQ(l.fields[i].lengthLimit, lengths[i]);
        EXPECT_FALSE(l.fields[i].dateMask);
    }
    EXPECT_EQ(l.panelHeight, 1060) << "three fields make two rows";
}

TEST(MaintLayoutTest, FieldsGoTwoToARow) {
    const MaintListLayout l = layoutList({field("A", 202, 10), field("B", 202, 10), field("C", 202, 10),
                                          field("D", 202, 10), field("E", 202, 10), field("ID", 3, 4)});
    ASSERT_EQ(l.fields.size(), 5u);
    EXPECT_EQ(l.fields[0].label, (MaintBox{120, 285, 1300, 255}));
    EXPECT_EQ(l.fields[0].field.left, 1480);
    EXPECT_EQ(l.fields[1].label.left, 4070);
    EXPECT_EQ(l.fields[1].field.left, 5355);
    EXPECT_EQ(l.fields[1].field.top, 240);
    EXPECT_EQ(l.fields[2].label.left, 120);
    EXPECT_EQ(l.fields[2].field.top, 565);
    EXPECT_EQ(l.fields[4].field.top, 890);
    EXPECT_EQ(l.fields[3].label.top, 610);
    EXPECT_EQ(l.panelHeight, 1385);
}

TEST(MaintLayoutTest, AWideLeftHandFieldStopsBeforeTheRightHandCaption) {
    const MaintListLayout l =
        layoutList({field("Company Name", 202, 50), field("Owner", 202, 50), field("id", 3, 4)});
    EXPECT_EQ(l.fields[0].width, 2800);
    EXPECT_EQ(l.fields[0].field.width, 2530) << "4070 - 60 - 1480";
    EXPECT_EQ(l.fields[1].field.width, 2800);
    EXPECT_EQ(l.fields[1].field.left + l.fields[1].field.width, 8155) << "inside the 8325-twip panel";
}

TEST(MaintLayoutTest, WideCaptionsMoveTheirColumnsFields) {
    MaintListLayout l =
        layoutList({field("Year  ", 3, 4), field("Maximum Amount", 6, 8), field("Threshold Cost", 6, 8),
                    field("Long Location", 202, 50), field("ID", 3, 4)});
    const MaintListLayout design = l;
    fitCaptions(l, {500, 1500, 1200, 900});
    // Left half: captions of 500 and 1200 fit before 1480; nothing moves.
    EXPECT_EQ(l.fields[0].field, design.fields[0].field);
    EXPECT_EQ(l.fields[2].field, design.fields[2].field);
    // Right half: a 1500-twip caption needs its fields at 4070 + 1500 + 60.
    EXPECT_EQ(l.fields[1].field.left, 5630);
    EXPECT_EQ(l.fields[3].field.left, 5630);
    EXPECT_EQ(l.fields[1].label.width, 1500);
    EXPECT_EQ(l.fields[1].field.width, 1950) << "room enough inside the panel";
    EXPECT_EQ(l.fields[3].field.width, 8205 - 5630) << "a wide field stops inside the panel";

    MaintListLayout wideLeft = design;
    fitCaptions(wideLeft, {1600, 0, 0, 0});
    EXPECT_EQ(wideLeft.fields[0].field.left, 1780);
    EXPECT_EQ(wideLeft.fields[2].field.left, 1780);
    EXPECT_EQ(wideLeft.fields[2].field.width, 1950);
    EXPECT_EQ(wideLeft.fields[1].field, design.fields[1].field);
}

TEST(MaintLayoutTest, WidthsAndLengthsOfTextDateAndKeyOnlyFields) {
    struct Case {
        const char* name;
        Field f;
        std::int32_t column;
        std::int32_t edit;
        std::int32_t length;
        bool dateMask;
    } cases[] = {
        {"long text is cut to 64 typed characters", field("Long Location", 202, 255), 17340, 2800, 64, false},
        {"a wide column gives at most 2800", field("Account Descr ", 202, 50), 3400, 2800, 50, false},
        {"a narrow column gives 2.5 times its width", field("Code", 202, 5), 400, 1000, 5, false},
        {"a date has the date mask", field("Placed", 7, 8), 700, 910, 16, true},
        {"a memo counts as the longest text", field("Notes", 203, 536870910), 17340, 2800, 64, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MaintListLayout l = layoutList({field("Name", 202, 10), c.f, field("ID", 3, 4)});
        ASSERT_EQ(l.fields.size(), 2u);
        EXPECT_EQ(l.columns[1].width, c.column);
        EXPECT_EQ(l.fields[1].width, c.edit);
        EXPECT_EQ(l.fields[1].lengthLimit, c.length);
        EXPECT_EQ(l.fields[1].dateMask, c.dateMask);
    }

    const MaintListLayout keyOnly = layoutList({field("ID", 3, 4)});
    EXPECT_TRUE(keyOnly.fields.empty());
    EXPECT_EQ(keyOnly.columns.at(0).width, 0);
    EXPECT_EQ(keyOnly.panelHeight, 735);
}

TEST(MaintLayoutTest, WindowPartsAtTheLoadSizeAndBelowTheMinimum) {
    const MaintWindowLayout l = layoutWindow(8700, 5500, 1060);
    EXPECT_EQ(l.list, (MaintBox{75, 45, 8450, 2890}));
    EXPECT_EQ(l.panel, (MaintBox{137.5, 2935, 8325, 1060}));
    EXPECT_EQ(l.commands, (MaintBox{2285, 3995, 4130, 615}));
    EXPECT_EQ(l.status, (MaintBox{60, 4685, 8450, 315}));

    const MaintWindowLayout small = layoutWindow(6000, 3000, 735);
    EXPECT_EQ(small.width, 7700);
    EXPECT_EQ(small.height, 5000);
    EXPECT_EQ(small.list.height, 5000 - 735 - 615 - 315 - 620);

    EXPECT_EQ(layoutWindow(7700, 5000, 4000).list.height, 0) << "a tall panel leaves the list no height";
}

TEST(MaintLayoutTest, AStatusOfSeveralLinesTakesItsHeightFromTheList) {
    const MaintWindowLayout l = layoutWindow(8700, 5500, 1060, 945);
    EXPECT_EQ(l.list, (MaintBox{75, 45, 8450, 2890 - 630}));
    EXPECT_EQ(l.commands.top + l.commands.height + 75, l.status.top);
    EXPECT_EQ(l.status, (MaintBox{60, 4685 - 630, 8450, 945}));
    // The status line ends where the one-line window's does: the window keeps its size.
    EXPECT_EQ(l.status.top + l.status.height, 4685 + 315);
}

TEST(MaintLayoutTest, TheWindowWidensForItsListUpToTheRoomLeft) {
    struct Case {
        const char* name;
        double listWidth, width, widest, expected;
    };
    const Case cases[] = {
        {"a list that fits keeps the width", 8000, 8700, 12000, 8700},
        {"a list just as wide as the window's list", 8450, 8700, 12000, 8700},
        {"a wider list widens the window", 9330, 8700, 12000, 9580},
        {"up to the room the main window leaves", 14000, 8700, 12000, 12000},
        {"a window already wider is not narrowed", 9330, 13000, 12000, 13000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(widthForList(c.listWidth, c.width, c.widest), c.expected);
    }
}

} // namespace
} // namespace qel
