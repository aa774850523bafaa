// The report windows' registration: the report prompts and windows as the program's report
// services, with the menu items that reach them.
#pragma once

namespace qel {

class SubsystemParts;

void registerReports(SubsystemParts& parts);

} // namespace qel
