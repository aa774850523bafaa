// The asset form's lookup lists.
#include "app/assets/AssetLists.h"

#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "server/support/DeprSupport.h"

#include <QComboBox>

namespace qel::assets {

void fillFromDeprSupport(const char* lead, QComboBox& cbo, bool withItemData, bool add100Percent,
                         const std::function<Recordset(DeprSupport&)>& query) {
    runWithErrorBox(
        QString::fromLatin1(lead),
        [&] {
            DeprSupport support;
            FillCboBox(query(support), cbo, withItemData, add100Percent);
            cbo.setCurrentIndex(-1);
        },
        QStringLiteral("  "));
}

void PopulateMethodCbo(QComboBox& cbo) {
    fillFromDeprSupport("Error in PopulateMethodCbo. ", cbo, true, false,
                        [](DeprSupport& s) { return s.GetMethods(); });
}

void PopulateLifeCbo(QComboBox& cboLife, const QString& method) {
    fillFromDeprSupport("Error in PopulateLifeCbo. ", cboLife, false, false,
                        [&](DeprSupport& s) { return s.GetLives(method.toStdString()); });
}

void PopulateTypeCbo(QComboBox& cboClass, std::int32_t methodId) {
    fillFromDeprSupport("Error in PopulateTypeCbo. ", cboClass, true, false,
                        [&](DeprSupport& s) { return s.GetTypes(methodId); });
    // The class row is free to the right of the Federal column: a long class shows whole.
    WidenToEntries(cboClass);
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
    fillFromDeprSupport("Error in PopulateLocationsCbo. ", cboLocations, true, false,
                        [](DeprSupport& s) { return s.GetLocationsCbo(); });
}

} // namespace qel::assets
