#include "core/media/effect_animation_steps.h"

#include <algorithm>
#include <array>

#include "core/tagfile/record_format.h"
#include "core/text/cp932.h"

namespace lw {

EffectAnimation NewEffectAnimation() {
    EffectAnimation a;
    a.speed = 2;
    return a;
}

std::string EffectNameForRecord(std::string_view typed) { return CutCopy(typed, kEffectNameBytes); }

EffectSettingsProblem CheckEffectSettings(const EffectAnimation& r) {
    if (r.cellWidth < 1 || r.cellHeight < 1) return EffectSettingsProblem::CellSizeBelowOne;
    switch (CheckTokenField(r.imageFile)) {
    case FieldProblem::Empty: return EffectSettingsProblem::NoImage;
    case FieldProblem::HasBlank: return EffectSettingsProblem::ImageNameHasBlank;
    case FieldProblem::None: break;
    }
    if (r.name.find_first_of("\r\n") != std::string::npos) return EffectSettingsProblem::NameHasLineBreak;
    static const std::array<std::string_view, 12> kTags = {
        "<image_effect_number>",    "</image_effect_number>",    "<image_effect_data>",
        "</image_effect_data>",     "<image_effect_name>",       "</image_effect_name>",
        "<image_effect_main_data>", "</image_effect_main_data>", "<image_effect_pos_number>",
        "</image_effect_pos_number>", "<image_effect_pos_data>", "</image_effect_pos_data>"};
    if (std::find(kTags.begin(), kTags.end(), r.name) != kTags.end()) return EffectSettingsProblem::NameIsTag;
    return EffectSettingsProblem::None;
}

void ApplyChosenImage(EffectAnimation& r, bool isNew, std::string_view file, int imageWidth, int imageHeight) {
    if (isNew) {
        r.imageFile = CutCopy(file, kEffectImageBytes);
        r.areaLeft = 0;
        r.areaTop = 0;
        r.areaWidth = imageWidth;
        r.areaHeight = imageHeight;
        return;
    }
    if (r.areaWidth == 0) r.areaWidth = imageWidth;
    if (r.areaHeight == 0) r.areaHeight = imageHeight;
}

void ClipAreaToImage(EffectAnimation& r, int imageWidth, int imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0) return;
    // In 64 bits: typed values may be anywhere in the int range.
    if (static_cast<long long>(r.areaLeft) + r.areaWidth > imageWidth)
        r.areaWidth = static_cast<int>(std::max(0LL, static_cast<long long>(imageWidth) - r.areaLeft));
    if (static_cast<long long>(r.areaTop) + r.areaHeight > imageHeight)
        r.areaHeight = static_cast<int>(std::max(0LL, static_cast<long long>(imageHeight) - r.areaTop));
}

ChipGridMax FrameOrderMaxima(int imageWidth, int imageHeight, int cellWidth, int cellHeight) {
    auto maxOf = [](int size, int cell) { return cell > 0 ? std::max(0, size / cell - 1) : 0; };
    return {maxOf(imageWidth, cellWidth), maxOf(imageHeight, cellHeight)};
}

int ClampChipIndex(int value, int max) { return std::clamp(value, 0, std::max(0, max)); }

void ApplyFrameOrder(EffectAnimation& r, const ChipOrder& order) {
    const std::size_t n = std::min<std::size_t>(order.size(), kEffectFrameCapacity);
    r.frameCount = static_cast<int>(n);
    for (std::size_t i = 0; i < n; ++i) {
        r.frames[i].column = order[i].first;
        r.frames[i].row = order[i].second;
    }
}

ChipOrder FrameOrderOf(const EffectAnimation& r) {
    ChipOrder out;
    const int n = std::clamp(r.frameCount, 0, kEffectFrameCapacity);
    for (int i = 0; i < n; ++i) out.emplace_back(r.frames[static_cast<std::size_t>(i)].column, r.frames[static_cast<std::size_t>(i)].row);
    return out;
}

std::pair<int, int> ClampFramePosition(int x, int y) {
    return {std::clamp(x, 0, kEffectScreenWidth), std::clamp(y, 0, kEffectScreenHeight)};
}

}  // namespace lw
