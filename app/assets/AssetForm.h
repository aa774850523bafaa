// The asset form frmAsset ("Asset Maintenance") as data: its four bands (search, asset, books,
// buttons) with every control's name, kind, twips rectangle, caption, colours, tip, help id and
// tab index. frmAsset builds itself from it.
#pragma once

#include "app/shell/FormTable.h"

#include <QColor>

namespace qel::assets {

// The blue of what the user types and chooses.
inline const QColor kEntryBlue(0, 0, 255);
// The light grey of a field a rule switched off.
inline const QColor kFieldOff(224, 224, 224);

const FormDef& assetFormDef();

} // namespace qel::assets
