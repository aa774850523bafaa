#include "app/printing/rules/ListTiers.h"

#include "common/Convert.h"

namespace qel::printing {
namespace {

// Sheet widths the tiers centre the table on, in twips.
constexpr std::int32_t kPortraitWidth = 12200;
constexpr std::int32_t kWidePortraitWidth = 12800;
constexpr std::int32_t kLandscapeWidth = 16000;
constexpr std::int32_t kWideLandscapeWidth = 16700;
constexpr std::int32_t kWidestWidth = 17000;

constexpr std::int32_t kTwoMargins = 2 * kListMargin;

// A half-twip position rounded as every position of the list is.
std::int32_t whole(double twips) {
    return static_cast<std::int32_t>(roundHalfEven(twips));
}

// Left X of a table of total width t centred on a sheet of `sheet` twips.
std::int32_t centred(std::int32_t sheet, std::int32_t t) {
    return whole((sheet - (kTwoMargins + t)) / 2.0);
}

} // namespace

std::int32_t advance(std::int32_t x, std::int32_t width, const ColumnSpacing& spacing) {
    // The room is worked out in single precision, as the factor is held, then added.
    const float room = static_cast<float>(width) * spacing.factor + static_cast<float>(spacing.gap);
    return whole(static_cast<double>(x) + static_cast<double>(room));
}

std::int32_t totalWidth(std::span<const std::int32_t> widths, const ColumnSpacing& spacing) {
    std::int32_t t = 0;
    for (std::int32_t w : widths)
        t = advance(t, w, spacing);
    return t;
}

std::optional<ListTier> chooseListTier(std::span<const std::int32_t> widths) {
    const std::int32_t t = totalWidth(widths, kStandardSpacing);
    const auto P = Orientation::Portrait;
    const auto L = Orientation::Landscape;
    // The tests of tiers 1 to 4 use the standard sum; a tier with its own spacing centres the
    // table on its own sum.
    if (t < kPortraitWidth - kTwoMargins)
        return ListTier{1,
                        kStandardSpacing,
                        P,
                        centred(kPortraitWidth, t),
                        63,
                        9,
                        false,
                        112,
                        kPortraitWidth - (kListMargin + 1700)};
    if (t < kWidePortraitWidth - kTwoMargins) {
        const ColumnSpacing narrow{0.99f, 67};
        return ListTier{2,
                        narrow,
                        P,
                        centred(kWidePortraitWidth, totalWidth(widths, narrow)) - 300,
                        65,
                        8,
                        true,
                        118,
                        kWidePortraitWidth - (kListMargin + 2000)};
    }
    if (t < kLandscapeWidth - kTwoMargins)
        return ListTier{3,
                        kStandardSpacing,
                        L,
                        centred(kLandscapeWidth, t) + 300,
                        50,
                        8,
                        true,
                        173,
                        kLandscapeWidth - (kListMargin + 1700)};
    if (t < kWideLandscapeWidth - kTwoMargins)
        return ListTier{4,
                        kStandardSpacing,
                        L,
                        centred(kWideLandscapeWidth, t),
                        60,
                        7,
                        true,
                        220,
                        kWideLandscapeWidth - (kListMargin + 2150)};
    const ColumnSpacing narrowest{0.8f, 50};
    const std::int32_t left = centred(kWidestWidth, totalWidth(widths, narrowest));
    if (left < kNarrowestLeft)
        return std::nullopt;
    return ListTier{5, narrowest, L, left, 68, 6, true, 320, kLandscapeWidth - (kListMargin + 1450)};
}

} // namespace qel::printing
