// The list's cell texts and the edit-field texts loaded from them.
#include "app/maintenance/rules/MaintCells.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(MaintCellsTest, CellTextsOfStoredValues) {
    struct Case {
        const char* name;
        Variant value;
        std::string text;
    } cases[] = {
        {"null is one blank", Variant(), " "},
        {"blanks at either end go", Variant("  Main St  "), "Main St"},
        {"empty text stays empty", Variant(""), ""},
        {"only blanks", Variant("   "), ""},
        {"yes", Variant(true), "Yes"},
        {"no", Variant(false), "No"},
        {"whole number", Variant(2012), "2012"},
        {"amount", Variant(1250.5), "1250.5"},
        {"date", Variant(Date(2012, 7, 1)), "2012-07-01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(maintCellText(c.value), c.text);
    }
}

TEST(MaintCellsTest, EditTextsOfCells) {
    EXPECT_EQ(maintEditText(" ", false), "");
    EXPECT_EQ(maintEditText(" ", true), "");
    EXPECT_EQ(maintEditText("2012-07-01", true), "07/01/2012");
    EXPECT_EQ(maintEditText("07/01/2012", true), "07/01/2012") << "a row added from the fields";
    EXPECT_EQ(maintEditText("2012-07-01", false), "2012-07-01");
    EXPECT_EQ(maintEditText("Warehouse", false), "Warehouse");
}

} // namespace
} // namespace qel
