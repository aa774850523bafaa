// Layout arithmetic of the maintenance window.
#include "app/maintenance/rules/MaintLayout.h"

#include "app/maintenance/rules/MaintCells.h"
#include "common/Text.h"

#include <algorithm>
#include <cmath>

namespace qel {
namespace {

constexpr std::int32_t kTwipsPerTitleChar = 100;
constexpr std::int32_t kTwipsPerSizeChar = 68;
constexpr std::int32_t kNumberAllowance = 100;
constexpr std::int32_t kLongestText = 255;
constexpr std::int32_t kLongestTyped = 64;
constexpr std::int32_t kWidestField = 2800;
constexpr double kRowStep = 325;
constexpr double kFirstPanelHeight = 735;
// The right-hand field of a row starts this far right of the left-hand one.
constexpr double kRightLabelShift = 3950;
constexpr double kRightFieldShift = 3875;
// Space kept between a left-hand field and the caption to its right.
constexpr double kGap = 60;
constexpr std::int32_t kDateType = 7;
constexpr std::int32_t kLastNumberType = 10;
// The list and the status line are this much narrower than the window.
constexpr double kListInset = 250;

// The edit field's width for its column's width: a narrow column's field is 2.5 times as wide,
// any other 1.3 times, and none wider than 2800 twips.
std::int32_t fieldWidth(std::int32_t columnWidth) {
    const float factor = columnWidth < 500 ? 2.5f : 1.3f;
    const auto w = static_cast<std::int32_t>(std::lround(static_cast<float>(columnWidth) * factor));
    return std::min(w, kWidestField);
}

} // namespace

MaintListLayout layoutList(const std::vector<Field>& fields) {
    MaintListLayout out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Field& f = fields[i];
        const auto type = static_cast<std::int32_t>(f.type);
        const std::int32_t nameWidth = static_cast<std::int32_t>(characterCount(f.name)) * kTwipsPerTitleChar;
        std::int32_t size = std::clamp(f.definedSize, 0, kLongestText);
        std::int32_t width = std::max(nameWidth, size * kTwipsPerSizeChar);
        bool right = false;
        if (type <= kLastNumberType) {
            size *= 2;
            right = i != 0;
            width += kNumberAllowance;
        }
        if (i + 1 == fields.size()) {
            out.columns.push_back({f.name, 0, right, type});
            out.keyField = f.name;
            break;
        }
        out.columns.push_back({f.name, width, right, type});

        MaintEditField e;
        e.index = static_cast<int>(i);
        e.caption = std::string(trimBlanks(f.name)) + ": ";
        e.lengthLimit = std::min(size, kLongestTyped);
        e.width = fieldWidth(width);
        e.dateMask = type == kDateType;
        const double rowTop = kRowStep * static_cast<double>(i / 2);
        const bool rightHalf = i % 2 == 1;
        e.label = {kFirstLabel.left + (rightHalf ? kRightLabelShift : 0), kFirstLabel.top + rowTop,
                   kFirstLabel.width, kFirstLabel.height};
        // A left-hand field stops short of the right-hand caption of its row.
        const double room =
            rightHalf ? kWidestField : e.label.left + kRightLabelShift - kGap - kFirstField.left;
        e.field = {kFirstField.left + (rightHalf ? kRightFieldShift : 0), kFirstField.top + rowTop,
                   std::min(static_cast<double>(e.width), room), kFirstField.height};
        out.fields.push_back(std::move(e));
    }
    const auto rows = static_cast<std::int32_t>((out.fields.size() + 1) / 2);
    out.panelHeight = static_cast<std::int32_t>(kFirstPanelHeight + kRowStep * std::max(rows - 1, 0));
    return out;
}

void fitCaptions(MaintListLayout& layout, const std::vector<double>& captionWidths) {
    // Where each half's fields start: the design's place, or further right for a wide caption.
    double fieldLeft[2] = {kFirstField.left, kFirstField.left + kRightFieldShift};
    const double labelLeft[2] = {kFirstLabel.left, kFirstLabel.left + kRightLabelShift};
    for (const MaintEditField& e : layout.fields) {
        const auto half = static_cast<std::size_t>(e.index % 2);
        const auto i = static_cast<std::size_t>(e.index);
        const double needed = i < captionWidths.size() ? labelLeft[half] + captionWidths[i] + kGap : 0;
        fieldLeft[half] = std::max(fieldLeft[half], needed);
    }
    // The right half's fields end inside the panel, 120 twips from its edge at most.
    const double fieldEnd[2] = {labelLeft[1] - kGap, kMaintPanelWidth - kFirstLabel.left};
    for (MaintEditField& e : layout.fields) {
        const auto half = static_cast<std::size_t>(e.index % 2);
        e.label.width = std::max(e.label.width, fieldLeft[half] - kGap - e.label.left);
        const double shift = fieldLeft[half] - e.field.left;
        if (shift <= 0)
            continue;
        e.field.left = fieldLeft[half];
        e.field.width = std::min(e.field.width, fieldEnd[half] - e.field.left);
    }
}

double widthForList(double listWidth, double width, double widest) {
    return std::max(width, std::min(listWidth + kListInset, widest));
}

MaintWindowLayout layoutWindow(double width, double height, double panelHeight, double statusHeight) {
    MaintWindowLayout l;
    l.width = std::max(width, kMaintMinWidth);
    l.height = std::max(height, kMaintMinHeight);
    const double listWidth = l.width - kListInset;
    const double listHeight = std::max(0.0, l.height - panelHeight - kMaintCmdsHeight - statusHeight - 620);
    l.list = {75, 45, listWidth, listHeight};
    l.panel = {l.list.left + (listWidth - kMaintPanelWidth) / 2, l.list.top + listHeight, kMaintPanelWidth,
               panelHeight};
    l.commands = {(l.width - kMaintCmdsWidth) / 2, l.panel.top + panelHeight, kMaintCmdsWidth,
                  kMaintCmdsHeight};
    l.status = {60, l.commands.top + kMaintCmdsHeight + 75, l.width - kListInset, statusHeight};
    return l;
}

} // namespace qel
