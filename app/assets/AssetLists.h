// The lookup lists of the asset form, each filled from one data-server list and rebuilt on every
// call: the methods (the Federal and the three book method lists hold the same entries, item data
// the method id), a method's lives (in their stored order, no item data: an asset keeps its life
// as a position in this list), a method's classes (item data the class id), the accounts (with an
// empty entry last, item data 0, for no account) and the locations. A fill leaves its list
// without a choice; a failed one shows its error box and leaves the list as it was.
#pragma once

#include <QString>

#include <cstdint>

class QComboBox;

namespace qel::assets {

void PopulateMethodCbo(QComboBox& cbo);
void PopulateLifeCbo(QComboBox& cboLife, const QString& method);
void PopulateTypeCbo(QComboBox& cboClass, std::int32_t methodId);
void PopulateAccountsCbo(QComboBox& cboAccounts);
void PopulateLocationsCbo(QComboBox& cboLocations);

} // namespace qel::assets
