// The main window's child windows as a whole: stacking them one below the other (Tile
// Horizontal), closing them all (Close All Windows), and counting the report windows in sight.
//
// Each acts on the child windows in the order they were opened; the main window itself is never
// one of them. Sizes are in twips, positions within the main window's client area.
#pragma once

#include <cstdint>

namespace qel::reports {

// The smallest and largest height a tiled window takes, in twips.
inline constexpr double kTileMinHeight = 1375;
inline constexpr double kTileMaxHeight = 4000;
// How much narrower than the main window a tiled window is, in twips.
inline constexpr double kTileWidthMargin = 430;

// Stacks every child window (hidden, minimized and maximized ones too, first set to the normal
// state) in the order they were opened: left 0, one below the other from the top of the main
// window's client area without gaps, each the main window's width less 430 and its own height
// held between 1375 and 4000 (a window of fixed size keeps its size). Each top is the sum of the
// heights above it, in whole twips; windows beyond the bottom lie out of sight.
void TileHorizontal();

// Closes every child window that is open when it starts, each the way its close box would: a
// window with unsaved edits asks first and stays open when the user keeps it; the others close
// all the same.
void CloseAllReports();

// The report windows (frmDocument) that are not minimized.
std::int16_t CheckForReports();

} // namespace qel::reports
