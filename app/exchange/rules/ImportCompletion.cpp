#include "app/exchange/rules/ImportCompletion.h"

#include "common/Convert.h"
#include "server/data/Database.h"
#include "server/support/AssetCodes.h"
#include "server/support/DeprSupport.h"
#include "server/support/ImportRun.h"

#include <algorithm>

namespace qel::exchange {
namespace {

constexpr int kUnnumberedVehicle = -1;

// The completion of one row; its values are bound, never put into the text.
const std::string kCompletion = "Update tblAssets set fiscal_start_date = ?, fiscal_sold_date = ?, "
                                "fiscal_end_date = ? ,actual_method = ? "
                                ",vehicle_num = ? where company_Id = ? and asset_num = ?";

// The company's highest vehicle number (0 when it has none).
std::int32_t highestVehicle(std::int32_t company) {
    const Recordset rs = requireConnection().query(
        "SELECT max(vehicle_num) FROM tblAssets WHERE company_Id = ?", {Variant(company)});
    return rs.IsEOF() ? 0 : std::max<std::int32_t>(rs[0].toInt32(), 0);
}

FiscalDates fiscalDates(const Recordset& rs, int yearEndMonth) {
    FiscalDates d;
    d.start = FiscalMonthStart(rs["in_service_date"].toDate(), yearEndMonth);
    const Date sold = rs["sold_date"].toDate();
    d.sold = sold.isNoDate() ? Date::noDate() : FiscalMonthStart(sold, yearEndMonth);
    const Variant& bookLife = rs["book_life"];
    d.end = bookLife.isNull() ? Date::noDate() : BookLifeEnd(d.start, bookLife.toDouble());
    return d;
}

} // namespace

int UpadteImportedAssetsFields(std::int32_t companyId,
                               const std::function<void(int done, int total)>& progress) {
    Recordset rs = DeprSupport().GetImportedAssetsToUpdate(companyId);
    const int yearEndMonth = GetFiscalEndMth(companyId);
    std::int32_t vehicle = highestVehicle(companyId);
    Statement& update = requireConnection().cached(kCompletion);
    const int total = static_cast<int>(rs.RecordCount());
    int done = 0;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        const FiscalDates d = fiscalDates(rs, yearEndMonth);
        const std::int16_t life = import::toInt16(roundHalfEven(rs["Life"].toDouble()), "the life");
        const std::int32_t stored = rs["vehicle_num"].toInt32();
        const std::int32_t number = stored == kUnnumberedVehicle ? ++vehicle : std::max(stored, 0);
        update.bindAll({Variant(d.start), Variant(d.sold), Variant(d.end),
                        Variant(ShowMethod(rs["Method"].toString(), life)), Variant(number),
                        Variant(companyId), Variant(rs["Asset_num"].toInt32())});
        update.run();
        update.reset();
        if (progress)
            progress(++done, total);
    }
    return done;
}

} // namespace qel::exchange
