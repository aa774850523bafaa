// The rules of the export commands: the catalogue, the typed period and year, the posting test
// and the extension of a path; and each catalogue row writing its sheet.
#include "app/exchange/rules/ExportRules.h"

#include "common/Workbook.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

namespace qel::exchange {
namespace {

TEST(ExportRules, CatalogueNamesAreExact) {
    ASSERT_NE(findExport("Propery Tax Data"), nullptr);
    EXPECT_STREQ(findExport("Propery Tax Data")->sheet, "PropertyTax");
    EXPECT_EQ(findExport("Property Tax Data"), nullptr);
    EXPECT_EQ(findExport("tax worksheet"), nullptr);
    EXPECT_EQ(exportCatalogue().size(), 6u);
}

TEST(ExportRules, NumberTexts) {
    EXPECT_EQ(exportNumberText("2012"), "2012");
    EXPECT_EQ(exportNumberText("abc"), "0");
    EXPECT_EQ(exportNumberText(" 2 012"), "2012");
    EXPECT_EQ(exportNumberText("201203"), "201203");
}

TEST(ExportRules, PostedPeriods) {
    struct Case {
        const char* name;
        Date period;
        const char* next;
        const char* first;
        bool posted;
    };
    for (const Case& c : {
             Case{"before the next", Date(2012, 2, 1), "201203", "2011-01-01", true},
             Case{"the next itself", Date(2012, 3, 1), "201203", "2011-01-01", false},
             Case{"after the next", Date(2012, 4, 1), "201203", "2011-01-01", false},
             Case{"the first posted", Date(2011, 1, 1), "201203", "2011-01-01", true},
             Case{"before the first", Date(2010, 12, 1), "201203", "2011-01-01", false},
             Case{"nothing posted, no asset", Date(2012, 2, 1), "", "1900-01-01", false},
             Case{"nothing posted", Date(2012, 2, 1), "201203", "1900-01-01", true},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(periodPosted(c.period, c.next, c.first), c.posted);
    }
}

TEST(ExportRules, Extensions) {
    struct Case {
        const char* path;
        const char* extension;
    };
    for (const Case c :
         {Case{"/home/u/Tax.xlsx", "xlsx"}, Case{"/home/u/Tax.XLS", "XLS"}, Case{"/home/u/Tax", ""},
          Case{"/home/u.d/Tax", ""}, Case{"Tax.backup.csv", "csv"}, Case{"", ""}}) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(GetFileExtension(c.path), c.extension);
    }
}

TEST(ExportRules, EachExportWritesItsSheet) {
    test::FreshDatabase fresh;
    for (const ExportKind& kind : exportCatalogue()) {
        SCOPED_TRACE(kind.name);
        const std::string path = (fresh.folder() / (std::string(kind.sheet) + ".xlsx")).string();
        const std::string period = std::string(kind.name) == "Tax Worksheet" ? "2012" : "201203";
        DeprSupport support;
        EXPECT_TRUE((support.*kind.write)(period, 1, path));
        EXPECT_EQ(Workbook(path).sheetName(), kind.sheet);
    }
}

} // namespace
} // namespace qel::exchange
