#include "app/exchange/rules/ImportWorkbook.h"

#include "app/exchange/rules/ImportCompletion.h"
#include "server/data/Database.h"
#include "server/support/DeprSupport.h"

namespace qel::exchange {

std::optional<ImportFailure> importCheckedWorkbook(std::int32_t companyId, const std::string& path,
                                                   const StepProgress& progress) {
    const auto report = [&](const std::string& step, int value = 0, int maximum = 0) {
        if (progress)
            progress(step, value, maximum);
    };
    Transaction tx(requireConnection());
    report("Importing the assets");
    try {
        DeprSupport().ImportAssetsFromExcel(companyId, path);
    } catch (const ServerError& e) {
        return ImportFailure{ImportFailure::Step::Import, e};
    }
    try {
        UpadteImportedAssetsFields(companyId, [&](int done, int total) {
            report("Completing asset " + std::to_string(done) + " of " + std::to_string(total), done, total);
        });
    } catch (const ServerError& e) {
        return ImportFailure{ImportFailure::Step::Completion, e};
    }
    report("Computing the depreciation");
    DeprSupport().ProcessImportedAssets(companyId);
    tx.commit();
    return std::nullopt;
}

} // namespace qel::exchange
