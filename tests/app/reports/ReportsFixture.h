// The fixture of the report windows' tests: the shell's fixture (fresh database, scripted
// dialogs), the report windows registered as main() registers them, the real main window, and a
// company whose assets every report finds.
//
// "Harbour Supply" (calendar fiscal year), working year 2010, monthly depreciation posted from
// 201001 through 201006, today 15 June 2010:
//
// | asset     | method | life | placed  | class     | account          | book-1 2010 | AMT 2010 | tag   |
// | Desk      | MACRS  | 7    | 2010-03 | Furniture | Office Equipment | yes, 179    | yes      | T-100 |
// | Chair     | MACRS  | 7    | 2010-05 | Furniture | Office Equipment | yes, 179    |          | T-101 |
// | Truck     | Listed | 5    | 2009-01 | Transport | Vehicles         | yes         | yes      | T-102 |
// | Warehouse | ADS    | 50   | 2010-01 |           | Vehicles         | yes         |          |       |
// | Copier    | S/L    | 5    | 2008-01 | Furniture | Office Equipment | yes, sold 2010-06 |    |       |
//
// The Truck is vehicle 1 with its use of 2010 entered; every asset has a row of period 201006.
//
// The program's "Files" folder is the one the build made; the desktop has a PDF viewer.
#pragma once

#include "app/reports/Form4562Work.h"
#include "app/reports/FrmDocument.h"
#include "app/reports/ReportWindows.h"
#include "app/reports/Reports.h"
#include "app/reports/UserDocuments.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/Subsystems.h"
#include "common/SqlLiteral.h"
#include "server/reporting/Auto.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/TestData.h"

#include <QAbstractItemModel>
#include <QMdiSubWindow>
#include <QTableView>

namespace qel::test {

inline constexpr const char* kCompanyName = "Harbour Supply";

struct ReportsFixture : ShellFixture {
    // withAssets false: the company alone, for the tests that add their own rows.
    explicit ReportsFixture(bool withAssets = true) {
        company = addCompany(kCompanyName);
        if (withAssets)
            addAssets();
        start(QString::fromLatin1(kCompanyName), 2010, QDate(2010, 6, 15));
    }
    // On a copy of another built database (the sample one), its company `id` of that name
    // current, in the working year, on the day given.
    ReportsFixture(const std::filesystem::path& database, std::int32_t id, const QString& name,
                   std::int16_t year, QDate today)
        : ShellFixture(database) {
        company = id;
        start(name, year, today);
    }
    ~ReportsFixture() {
        reports::reportToday() = today_;
        reports::programFilesFolder() = filesFolder_;
        reports::pdfViewerQuery() = pdfViewer_;
    }

    void addAssets() {
        const std::int32_t office = addAccount("Office Equipment", "1500", "1600", "6100");
        const std::int32_t vehicles = addAccount("Vehicles", "1510", "1610", "6110");
        const std::int32_t furniture = addClass("Furniture");
        const std::int32_t transport = addClass("Transport");
        const AssetRow base{
            .company = company, .business = 1.0, .convention = kHalfYear, .caption = "200 DB"};
        const std::int32_t desk = addAsset({.name = "Desk",
                                            .method = kMacrs,
                                            .cost = 1000.0,
                                            .section179 = 100.0,
                                            .type179 = true,
                                            .placed = "2010-03-01",
                                            .life = 7.0,
                                            .account = office,
                                            .classId = furniture,
                                            .bookLife = 5.0,
                                            .bookCost = 1000.0},
                                           base);
        const std::int32_t chair = addAsset({.name = "Chair",
                                             .method = kMacrs,
                                             .cost = 600.0,
                                             .section179 = 600.0,
                                             .type179 = true,
                                             .placed = "2010-05-01",
                                             .life = 7.0,
                                             .account = office,
                                             .classId = furniture,
                                             .bookLife = 5.0,
                                             .bookCost = 600.0},
                                            base);
        const std::int32_t truck = addAsset({.name = "Truck",
                                             .method = kListed,
                                             .cost = 30000.0,
                                             .placed = "2009-01-01",
                                             .life = 5.0,
                                             .vehicle = 1,
                                             .account = vehicles,
                                             .classId = transport,
                                             .bookLife = 5.0,
                                             .bookCost = 30000.0},
                                            base);
        const std::int32_t warehouse = addAsset({.name = "Warehouse",
                                                 .method = kAds,
                                                 .cost = 100000.0,
                                                 .placed = "2010-01-01",
                                                 .life = 50.0,
                                                 .convention = kMidMonth,
                                                 .account = vehicles,
                                                 .bookLife = 40.0,
                                                 .bookCost = 100000.0},
                                                base);
        const std::int32_t copier = addAsset({.name = "Copier",
                                              .method = kStraightLine,
                                              .cost = 2000.0,
                                              .placed = "2008-01-01",
                                              .sold = "2010-06-01",
                                              .soldDate = "2010-06-15",
                                              .soldAmt = 500.0,
                                              .gainLoss = -300.0,
                                              .life = 5.0,
                                              .account = office,
                                              .classId = furniture,
                                              .bookLife = 5.0,
                                              .bookCost = 2000.0},
                                             base);
        addDepr(company, kFederal, desk, 2010, 142.9, 142.9);
        addDepr(company, kAmt, desk, 2010, 107.1, 107.1);
        addDepr(company, kFederal, chair, 2010, 600, 600);
        addDepr(company, kFederal, truck, 2009, 6000, 6000);
        addDepr(company, kFederal, truck, 2010, 9600, 15600);
        addDepr(company, kAmt, truck, 2010, 7000, 13000);
        addDepr(company, kFederal, warehouse, 2010, 1950, 1950);
        addDepr(company, kFederal, copier, 2010, 200, 1800);
        addDescription(desk, "T-100", "S1", 0, "Oak desk");
        addDescription(chair, "T-101", "S2", 0, "Chair");
        addDescription(truck, "T-102", "S3", 0, "Pickup truck");
        Auto().AddAutoUse(sqlNumber(company) + ", 2010, 1, '12000', '2000', '1000', 1, 0, 1, 0.8, " +
                              sqlNumber(truck),
                          company, 2010, 1);
        addPeriod(company, desk, "201006", 16.67, 66.68, office);
        addPeriod(company, chair, "201006", 10, 20, office);
        addPeriod(company, truck, "201006", 500, 9000, vehicles);
        addPeriod(company, warehouse, "201006", 208.33, 1249.98, vehicles);
        addPeriod(company, copier, "201006", 33.33, 1999.98, office);
        fresh.exec("UPDATE tblCompany SET firstperiod = '2010-01-01', dtPeriod = '2010-06-01' WHERE id = " +
                   sqlNumber(company));
    }

    void start(const QString& name, std::int16_t year, QDate today) {
        setCurrentCompany(company, name);
        setWorkingYear(year);
        reports::reportToday() = [today] { return today; };
        reports::programFilesFolder() = [] { return std::filesystem::path(QEL_FILES_DIR); };
        reports::pdfViewerQuery() = [] { return QStringLiteral("viewer.desktop"); };
        registerReports(parts);
        window.show();
    }
    // The report windows open now, in the order they were opened.
    QList<reports::FrmDocument*> reportWindows() const {
        QList<reports::FrmDocument*> out;
        for (QMdiSubWindow* w : window.childWindows().list())
            if (auto* doc = dynamic_cast<reports::FrmDocument*>(w->widget()))
                out << doc;
        return out;
    }

    // Chooses the menu item, answering its prompt with `answer` when one is given.
    void choose(const char* item, const QString& answer = {}) {
        if (!answer.isNull())
            ui.answerInput(answer);
        window.menuItem(QString::fromLatin1(item))->trigger();
    }

    std::int32_t company = 0;
    SubsystemParts parts;
    MdiMain window;
    // The program's own answers, put back when the test ends.
    std::function<QDate()> today_ = reports::reportToday();
    std::function<std::filesystem::path()> filesFolder_ = reports::programFilesFolder();
    std::function<QString()> pdfViewer_ = reports::pdfViewerQuery();
};

// The frame (MDI child) of a report window.
inline QMdiSubWindow* frameOf(const reports::FrmDocument* doc) {
    return qobject_cast<QMdiSubWindow*>(doc->parentWidget());
}

// The texts a view shows in one column, every row.
inline QStringList shownColumn(const QTableView& view, int column) {
    QStringList out;
    const QAbstractItemModel* m = view.model();
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->index(r, column).data().toString();
    return out;
}

} // namespace qel::test
