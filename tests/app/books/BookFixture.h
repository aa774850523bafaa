// The fixture of the book commands' tests: the shell's fixture (database copy, scripted
// dialogs), a company with a calendar fiscal year and, when asked, one asset whose financial
// book starts in March 2012, so that 201203 is the company's next period.
#pragma once

#include "app/shell/ProgramState.h"
#include "server/engine/MonthlyDepr.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/TestData.h"

#include <QString>

namespace qel::test {

struct BookFixture : ShellFixture {
    explicit BookFixture(bool withAsset = true) {
        company = addCompany("Books Co", 12);
        setCurrentCompany(company, QStringLiteral("Books Co"));
        if (withAsset)
            addAsset({.name = "Press",
                      .company = company,
                      .fiscalStart = "2012-03-01",
                      .fiscalEnd = "2017-03-01",
                      .account = 7,
                      .bookLife = 5,
                      .bookCost = 6000});
    }

    // The periods posted for the company, in order, joined by blanks.
    QString posted() const {
        return QString::fromStdString(
            fresh
                .value("SELECT coalesce(group_concat(period, ' '), '') FROM (SELECT DISTINCT period FROM "
                       "tblPeriodDepr WHERE client_num = " +
                       std::to_string(company) + " ORDER BY period)")
                .toString());
    }

    // The company's next period to post; empty when it has none.
    QString next() const { return QString::fromStdString(MonthlyDepr().GetNextFiscalPeriod(company)); }

    std::int32_t company = 0;
};

} // namespace qel::test
