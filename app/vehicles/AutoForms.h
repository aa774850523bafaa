// The control tables of the two vehicle windows, and the names of their repeated controls.
#pragma once

#include "app/shell/FormTable.h"

#include <QString>

namespace qel {

// "Information on Use of Vehicles": six vehicle columns side by side.
const FormDef& autoUseForm();
// The employer's five questions.
const FormDef& autoQstForm();

// The name of a column's control: the base name followed by the column 1 to 6 ("txtBusiness3").
QString columnControl(const char* base, int column);
// The name of one button of an answer pair: element 0 is Yes, element 1 No ("OptOffDuty3_0").
QString pairButton(const QString& pair, int element);

} // namespace qel
