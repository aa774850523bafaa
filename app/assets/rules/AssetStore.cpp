// Storing and deleting an asset.
#include "app/assets/rules/AssetStore.h"

#include "app/assets/rules/DeprRunPlan.h"
#include "common/ServerError.h"
#include "server/data/Db.h"
#include "server/engine/CalcDepr.h"
#include "server/support/DeprSupport.h"

namespace qel::assets {
namespace {

const char* const kSource = "Asset entry";

// What one book's run takes besides its plan.
struct RunInput {
    std::int32_t companyId;
    std::int32_t assetNum;
    std::int16_t bookId;
    double netCost;        // the book's depreciable basis, dollars
    double bonus;          // special depreciation allowance, dollars
    std::int64_t sec179;   // section 179 amount, whole dollars
    std::int64_t salesAmt; // disposal amount, whole dollars
    std::int16_t convention;
    Date inService;      // fiscal in-service month
    Date sold;           // fiscal sale month; no date when not sold
    std::string vehicle; // "N" no vehicle
    double businessFraction;
};

// Replaces the book's yearly rows of the asset as the plan says. The engine raises its failures;
// a run that reports one without raising fails here, so no save ends with a stale schedule.
void runDepr(db& server, const DeprRunPlan& plan, const RunInput& in) {
    CalcDepr engine;
    bool ran = true;
    const std::int16_t convention = runConvention(in.convention);
    switch (plan.kind) {
    case RunKind::Macrs:
        ran = engine.DoMacrsDepr(in.netCost, plan.life, in.bonus, in.companyId, in.assetNum, convention,
                                 in.inService, in.sold, in.vehicle, in.sec179, in.salesAmt,
                                 in.businessFraction, plan.method, in.bookId);
        break;
    case RunKind::Formula:
        ran = engine.DoDepr(in.netCost, whole16(plan.life, "life"), convention, in.companyId, in.assetNum,
                            in.inService, in.sold, plan.method, in.salesAmt, in.vehicle, in.businessFraction,
                            in.bookId);
        break;
    case RunKind::ZeroListed:
        ran = engine.DoZeroListed(in.companyId, in.assetNum, in.inService, in.bookId);
        break;
    case RunKind::Clear:
        server.ExecuteSql(ClearDeprSql(in.companyId, in.assetNum, in.bookId));
        break;
    }
    if (!ran)
        throw ServerError::invalidArgument(kSource, "The depreciation of book " + std::to_string(in.bookId) +
                                                        " of asset " + std::to_string(in.assetNum) +
                                                        " was not calculated.");
}

} // namespace

std::int32_t StoreAsset(const AssetSave& save, SaveStep& step) {
    db server;
    Connection& conn = requireConnection();
    Transaction tx(conn);
    const AssetRecord& r = save.record;

    step = SaveStep::Asset;
    std::int32_t asset = save.storedAsset;
    if (asset > 0) {
        server.ExecuteSql(UpdateAssetSql(r, asset));
        if (conn.changes() != 1)
            throw ServerError::invalidArgument(kSource, "The asset " + std::to_string(asset) +
                                                            " is no longer stored, so it cannot be updated.");
    } else {
        asset = DeprSupport().AddAsset(AssetValues(r), r.exclude);
    }

    step = SaveStep::TaxDepreciation;
    runDepr(server, PlanDeprRun(r.method, r.businessFraction, r.life),
            {r.companyId, asset, kFederalBook, r.costBasis, r.allowance, r.wholeSection179, r.wholeSoldAmt,
             r.conventionId, r.fiscalStart, r.fiscalSold, r.vehicleType, r.businessFraction});

    step = SaveStep::Books;
    for (const BookValues& b : save.books) {
        server.ExecuteSql(DeleteBookSql(r.companyId, asset, b.bookId));
        server.ExecuteSql(InsertBookSql(r.companyId, asset, b));
        runDepr(server, PlanBookRun(b.method, b.businessFraction, b.life, b.costBasis, b.section179),
                {r.companyId, asset, b.bookId, static_cast<double>(b.costBasis),
                 static_cast<double>(b.allowance), b.section179, r.wholeSoldAmt, b.conventionId,
                 r.fiscalStart, r.fiscalSold, r.vehicleType, b.businessFraction});
    }

    step = SaveStep::Description;
    for (const std::string& sql : DescriptionSql(asset, save.description))
        server.ExecuteSql(sql);
    tx.commit();
    return asset;
}

void StoreAssetDeletion(std::int32_t assetNum, std::int32_t companyId) {
    db server;
    Connection& conn = requireConnection();
    Transaction tx(conn);
    const std::vector<std::string> statements = DeleteAssetSql(assetNum, companyId);
    // The asset's own row first: when the company has no such asset, the rows of another
    // company's asset of that number (the description row names no company) stay untouched.
    server.ExecuteSql(statements.front());
    if (conn.changes() != 1)
        throw ServerError::invalidArgument(kSource,
                                           "The asset " + std::to_string(assetNum) +
                                               " is not stored for this company; nothing was deleted.");
    for (std::size_t i = 1; i < statements.size(); ++i)
        server.ExecuteSql(statements[i]);
    tx.commit();
}

} // namespace qel::assets
