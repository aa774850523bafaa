// The fixture of the exchange tests: the main window with the real data exchange and printing
// services on a fixture company whose fiscal year ends in December, with three periods of book
// depreciation posted (2012-01 to 2012-03); the reports' folder check comes from a fake, and the
// user documents folder exists, as that check leaves it.
#pragma once

#include "app/exchange/Exchange.h"
#include "app/printing/Printing.h"
#include "common/DocumentsFolder.h"
#include "server/engine/MonthlyDepr.h"
#include "tests/app/shell/FakeSubsystems.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/TestData.h"

#include <QAction>

#include <filesystem>
#include <memory>

namespace qel::test {

struct ExchangeFixture {
    ExchangeFixture() {
        exchange.now = [] { return exchange::Moment{Date(2012, 3, 7), 14, 5, 9}; };
        printing.today = [] { return Date(2012, 3, 7); };
        registerServices(static_cast<ReportServices&>(fake));
        registerServices(static_cast<DataExchangeServices&>(exchange));
        registerServices(static_cast<PrintingServices&>(printing));
        company = addCompany("ACME Corp");
        setCurrentCompany(company, "ACME Corp");
        setWorkingYear(2012);
        const auto account = addAccount("Equipment", "1500", "1510", "6100");
        addAsset({.name = "Lathe",
                  .company = company,
                  .method = kMacrs,
                  .cost = 12000,
                  .placed = "2012-01-01",
                  .fiscalEnd = "2017-01-01",
                  .life = 7,
                  .convention = kHalfYear,
                  .caption = "200 DB",
                  .account = account,
                  .bookLife = 5,
                  .bookCost = 12000});
        MonthlyDepr monthly;
        for (const char* period : {"201201", "201202", "201203"})
            monthly.DoMonthlyDepr(period, company);
        std::filesystem::create_directories(userDocumentsFolder());
        window = std::make_unique<MdiMain>();
        window->show();
    }

    void run(const char* item) const { window->menuItem(item)->trigger(); }
    QString status() const { return window->statusLabel()->text(); }
    std::string file(const std::string& name) const { return (shell.fresh.folder() / name).string(); }
    // A file of the user documents folder.
    std::string document(const std::string& name) const {
        return (std::filesystem::path(userDocumentsFolder()) / name).string();
    }

    ShellFixture shell;
    FakeSubsystems fake;
    exchange::DataExchange exchange;
    printing::Printing printing;
    std::int32_t company = 0;
    std::unique_ptr<MdiMain> window;
};

inline const QColor kGreen(0, 128, 0);
inline const QColor kRed(255, 0, 0);

} // namespace qel::test
