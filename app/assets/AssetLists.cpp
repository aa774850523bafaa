// The asset form's lookup lists.
#include "app/assets/AssetLists.h"

#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "server/support/DeprSupport.h"

#include <QComboBox>

namespace qel::assets {
namespace {

// Fills the list from one data-server call; a failure shows the error box with its lead.
template <typename Query> void fill(const char* lead, QComboBox& cbo, bool withItemData, Query&& query) {
    runWithErrorBox(
        QString::fromLatin1(lead),
        [&] {
            DeprSupport support;
            FillCboBox(query(support), cbo, withItemData, false);
            cbo.setCurrentIndex(-1);
        },
        QStringLiteral("  "));
}

} // namespace

void PopulateMethodCbo(QComboBox& cbo) {
    fill("Error in PopulateMethodCbo. ", cbo, true, [](DeprSupport& s) { return s.GetMethods(); });
}

void PopulateLifeCbo(QComboBox& cboLife, const QString& method) {
    fill("Error in PopulateLifeCbo. ", cboLife, false,
         [&](DeprSupport& s) { return s.GetLives(method.toStdString()); });
}

void PopulateTypeCbo(QComboBox& cboClass, std::int32_t methodId) {
    fill("Error in PopulateTypeCbo. ", cboClass, true, [&](DeprSupport& s) { return s.GetTypes(methodId); });
}

void PopulateAccountsCbo(QComboBox& cboAccounts) {
    runWithErrorBox(
        QStringLiteral("Error in PopulateAccountsCbo. "),
        [&] {
            DeprSupport support;
            FillCboBox(support.GetAccountsCbo(), cboAccounts, true, false);
            // No account: the empty entry, always last.
            cboAccounts.addItem(QString(), 0);
            cboAccounts.setCurrentIndex(-1);
        },
        QStringLiteral("  "));
}

void PopulateLocationsCbo(QComboBox& cboLocations) {
    fill("Error in PopulateLocationsCbo. ", cboLocations, true,
         [](DeprSupport& s) { return s.GetLocationsCbo(); });
}

} // namespace qel::assets
