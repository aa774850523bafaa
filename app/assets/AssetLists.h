// The lookup lists of the asset form, each filled from one data-server list and rebuilt on every
// call: the methods (the Federal and the three book method lists hold the same entries, item data
// the method id), a method's lives (in their stored order, no item data: an asset keeps its life
// as a position in this list), a method's classes (item data the class id), the accounts (with an
// empty entry last, item data 0, for no account) and the locations. A fill leaves its list
// without a choice; a failed one shows its error box and leaves the list as it was.
#pragma once

#include "common/Recordset.h"

#include <QString>

#include <cstdint>
#include <functional>

class QComboBox;

namespace qel {
class DeprSupport;
}

namespace qel::assets {

// Fills the list from one DeprSupport list (text from the first field, with item data from the
// second), with "100 Percent" (item data 10) appended when asked, and leaves it without a choice.
// A failure shows the error box with its lead and leaves the list as it was.
void fillFromDeprSupport(const char* lead, QComboBox& cbo, bool withItemData, bool add100Percent,
                         const std::function<Recordset(DeprSupport&)>& query);

void PopulateMethodCbo(QComboBox& cbo);
void PopulateLifeCbo(QComboBox& cboLife, const QString& method);
void PopulateTypeCbo(QComboBox& cboClass, std::int32_t methodId);
void PopulateAccountsCbo(QComboBox& cboAccounts);
void PopulateLocationsCbo(QComboBox& cboLocations);

} // namespace qel::assets
