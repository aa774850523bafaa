#include "tests/app/printing/ReportPrintoutsTest.h"

#include "app/printing/rules/ListPrinting.h"
#include "app/printing/rules/RecordingSurface.h"
#include "server/data/Connection.h"
#include "tests/app/reports/ReportFooting.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QTest>

namespace qel::test {
namespace {

constexpr int kCopies = 105;

// `text` followed by the number, padded with dots to the 50 characters the name fields hold.
std::string longName(const std::string& text, int number) {
    std::string name = text + std::to_string(number);
    return name + std::string(50 - name.size(), '.');
}

// The fixture company with kCopies more of each of its five assets: long names, long account and
// class names, a vehicle of its own for each truck, and amounts that do not show as stored.
struct ManyAssets : ReportsFixture {
    ManyAssets() {
        Transaction tx(fresh.conn());
        const std::int32_t furniture = addClass(longName("Office furniture and fixtures, north wing ", 1));
        const std::int32_t transport = addClass(longName("Trucks and vans of the delivery fleet ", 2));
        const AssetRow base{
            .company = company, .business = 1.0, .convention = kHalfYear, .caption = "200 DB"};
        for (int i = 1; i <= kCopies; ++i) {
            const std::string n = std::to_string(i);
            const std::int32_t account = addAccount(longName("Furniture, fixtures and equipment, floor ", i),
                                                    "15" + n, "16" + n, "61" + n);
            const double cents = 0.001 * i;
            const std::int32_t desk = addAsset({.name = longName("Conference table, solid oak, credenza ", i),
                                                .method = kMacrs,
                                                .cost = 1000.337 + i,
                                                .section179 = 100.005,
                                                .type179 = true,
                                                .placed = "2010-03-01",
                                                .life = 7.0,
                                                .account = account,
                                                .classId = furniture,
                                                .bookLife = 5.0,
                                                .bookCost = 1000.337 + i},
                                               base);
            const std::int32_t chair = addAsset({.name = longName("Executive chair, leather, high back ", i),
                                                 .method = kMacrs,
                                                 .cost = 600.125,
                                                 .section179 = 600.125,
                                                 .type179 = true,
                                                 .placed = "2010-05-01",
                                                 .life = 7.0,
                                                 .account = account,
                                                 .classId = furniture,
                                                 .bookLife = 5.0,
                                                 .bookCost = 600.125},
                                                base);
            const std::int32_t truck = addAsset({.name = longName("Delivery truck, refrigerated box ", i),
                                                 .method = kListed,
                                                 .cost = 30000.495 + i,
                                                 .placed = "2009-01-01",
                                                 .life = 5.0,
                                                 .vehicle = 1 + i,
                                                 .account = account,
                                                 .classId = transport,
                                                 .bookLife = 5.0,
                                                 .bookCost = 30000.495 + i},
                                                base);
            const std::int32_t warehouse =
                addAsset({.name = longName("Warehouse, steel frame, loading dock ", i),
                          .method = kAds,
                          .cost = 100000.004 + i,
                          .placed = "2010-01-01",
                          .life = 50.0,
                          .convention = kMidMonth,
                          .account = account,
                          .bookLife = 40.0,
                          .bookCost = 100000.004 + i},
                         base);
            const std::int32_t copier =
                addAsset({.name = longName("Copier, colour, with sorter and stapler ", i),
                          .method = kStraightLine,
                          .cost = 2000.665,
                          .placed = "2008-01-01",
                          .sold = "2010-06-01",
                          .soldDate = "2010-06-15",
                          .soldAmt = 500.335,
                          .gainLoss = -300.335,
                          .life = 5.0,
                          .account = account,
                          .classId = furniture,
                          .bookLife = 5.0,
                          .bookCost = 2000.665},
                         base);
            addDepr(company, kFederal, desk, 2010, 142.857 + cents, 142.857 + cents);
            addDepr(company, kAmt, desk, 2010, 107.143, 107.143);
            addDepr(company, kFederal, chair, 2010, 600.125, 600.125);
            addDepr(company, kFederal, truck, 2009, 6000.099, 6000.099);
            addDepr(company, kFederal, truck, 2010, 9600.155 + cents, 15600.254 + cents);
            addDepr(company, kAmt, truck, 2010, 7000.005, 13000.005);
            addDepr(company, kFederal, warehouse, 2010, 1950.625, 1950.625);
            addDepr(company, kFederal, copier, 2010, 200.045, 1800.445);
            for (const std::int32_t asset : {desk, chair, truck, warehouse, copier}) {
                addDescription(asset, "T-" + std::to_string(asset) + "-" + std::string(30, '0'), "S-" + n, 0,
                               longName("Bought at the spring auction, lot ", i));
                addPeriod(company, asset, "201006", 16.667 + cents, 66.668 + cents, account);
            }
            Auto().AddAutoUse(sqlNumber(company) + ", 2010, " + sqlNumber(1 + i) +
                                  ", '12000', '2000', '1000', 1, 0, 1, 0.8, " + sqlNumber(truck),
                              company, 2010, static_cast<std::int16_t>(1 + i));
        }
        tx.commit();
    }
};

// Whether every text printed lies within the printable area of its page; the first that does
// not, described.
QString outsideThePage(const printing::RecordingSurface& surface) {
    constexpr double kTolerance = 0.01;
    for (const printing::PrintedText& t : surface.texts()) {
        if (t.text.empty())
            continue;
        const printing::PageArea area = surface.pageArea(t.page);
        if (t.left < 0 || t.top < 0 || t.left + t.width > area.width + kTolerance ||
            t.top + t.height > area.height + kTolerance)
            return QStringLiteral("'%1' on page %2 at %3, %4, %5 wide, beyond %6 x %7")
                .arg(QString::fromStdString(t.text))
                .arg(t.page)
                .arg(t.left)
                .arg(t.top)
                .arg(t.width)
                .arg(area.width)
                .arg(area.height);
    }
    return {};
}

} // namespace

void ReportPrintoutsTest::everyReportFootsAndPrintsWithinThePage() {
    struct Report {
        const char* item;
        const char* answer; // nullptr: the item asks nothing
        bool totals;        // the report has subtotal or total rows
    };
    const Report reports[] = {
        {"mnu179WrkSheet", "2010", true},       {"mnuADS50Yr", "2010", true},
        {"mnuAutoUseRpt", "2010", false},       {"mnuCurrentWrkSheet", "2010", true},
        {"mnuAssetWorkSheet", "2010", true},    {"mnuDisposedAssets", "2010", true},
        {"mnuNewAssets", "2010", true},         {"mnuNewAssetWorksheet", "2010", true},
        {"mnuAMTDifferences", "2010", true},    {"mnuBookAssetLedger", "201006", true},
        {"mnuChartOfAccounts", nullptr, false}, {"mnuDeprJvDetail", "201006", true},
        {"mnuJournalEntry", "201006", true},    {"mnuBookDisposedAssets", "201006", false},
        {"mnuPropertyTax", "201006", true},     {"mnuTagToAssetId", nullptr, false},
    };
    ManyAssets f;
    for (const Report& r : reports) {
        const QString item = QString::fromLatin1(r.item);
        f.choose(r.item, r.answer ? QString::fromLatin1(r.answer) : QString());
        QVERIFY2(f.ui.messages().isEmpty(),
                 qPrintable(item + QStringLiteral(": ") + f.ui.messages().join('|')));
        const reports::FrmDocument& doc = *f.reportWindows().back();
        const ReportList& list = doc.list();
        QVERIFY2(list.rowCount() > 100, qPrintable(item));

        const Footing footing = checkFooting(list, totalledColumns(list));
        QVERIFY2(footing.errors.empty(),
                 qPrintable(item + QStringLiteral(": ") +
                            QString::fromStdString(footing.errors.empty() ? "" : footing.errors.front())));
        QVERIFY2((footing.checked > 0) == r.totals, qPrintable(item));

        const auto tier = printing::chooseListTier(printing::columnWidths(list));
        QVERIFY2(tier.has_value(), qPrintable(item));
        printing::RecordingSurface surface;
        // The printer holds the other orientation from the job before.
        surface.setOrientation(tier->orientation == printing::Orientation::Portrait
                                   ? printing::Orientation::Landscape
                                   : printing::Orientation::Portrait);
        std::vector<std::string> boxes;
        printing::printList(surface, list, *tier, doc.windowTitle().toStdString(), Date(2010, 6, 15),
                            [&](const std::string& m) { boxes.push_back(m); });
        QVERIFY2(boxes.empty(), qPrintable(item));
        QVERIFY2(surface.pages() > 1, qPrintable(item));
        QVERIFY2(surface.pageOrientations() ==
                     std::vector<printing::Orientation>(static_cast<std::size_t>(surface.pages()),
                                                        tier->orientation),
                 qPrintable(item));
        const QString outside = outsideThePage(surface);
        QVERIFY2(outside.isEmpty(), qPrintable(item + QStringLiteral(": ") + outside));
    }
}

QEL_QTEST_REGISTER(ReportPrintoutsTest);

} // namespace qel::test
