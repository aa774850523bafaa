// The books subsystem's registration: the monthly book depreciation commands of the Book menu.
#pragma once

namespace qel {

class SubsystemParts;

// Makes the commands' service object and registers it with the Book menu's items.
void registerBooks(SubsystemParts& parts);

} // namespace qel
