// The catalogue's rows and the menu table's report items, both ways.
#include "tests/app/reports/ReportCatalogueMenuTest.h"

#include "app/reports/rules/ReportCatalogue.h"
#include "app/shell/MenuTable.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QTest>

#include <string>
#include <vector>

namespace qel::test {
namespace {

// The menu table's items of kind Report.
std::vector<const MenuItemDef*> reportItems() {
    std::vector<const MenuItemDef*> items;
    for (const MenuDef& menu : menuTable())
        for (const MenuItemDef& item : menu.items)
            if (item.action == MenuAction::Report)
                items.push_back(&item);
    return items;
}

} // namespace

void ReportCatalogueMenuTest::everyReportItemFindsItsRow() {
    const std::vector<const MenuItemDef*> items = reportItems();
    QVERIFY(!items.empty());
    for (const MenuItemDef* item : items) {
        QVERIFY2(item->argument, item->name);
        const reports::ReportDef* row = reports::findReport(item->argument);
        QVERIFY2(row, item->name);
        QVERIFY2(row->entry == reports::ReportEntry::Menu, item->name);
    }
}

void ReportCatalogueMenuTest::everyMenuReportHasItsItem() {
    const std::vector<const MenuItemDef*> items = reportItems();
    for (const reports::ReportDef& row : reports::reportCatalogue()) {
        if (row.entry != reports::ReportEntry::Menu)
            continue;
        int found = 0;
        for (const MenuItemDef* item : items)
            if (item->argument && std::string(item->argument) == row.name)
                ++found;
        QVERIFY2(found == 1, row.name);
    }
}

void ReportCatalogueMenuTest::everyReportWithoutAWindowHasItsHandler() {
    ReportsFixture f;
    const auto* windows = dynamic_cast<const reports::ReportWindows*>(subsystems().reports);
    QVERIFY(windows);
    int handled = 0;
    for (const reports::ReportDef& row : reports::reportCatalogue()) {
        if (row.query)
            continue;
        QVERIFY2(windows->hasHandler(row.name), row.name);
        ++handled;
    }
    QCOMPARE(handled, 4);
}

QEL_QTEST_REGISTER(ReportCatalogueMenuTest);

} // namespace qel::test
