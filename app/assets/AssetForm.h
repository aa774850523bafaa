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

// A caption and a value of the company checks' summary windows: the value bold and to the right.
// Both are top-aligned, so a caption and its value share their top.
ControlDef summaryCaption(const char* name, const char* parent, TwipsBox at, const char* caption);
ControlDef summaryValue(const char* name, const char* parent, TwipsBox at);

} // namespace qel::assets
