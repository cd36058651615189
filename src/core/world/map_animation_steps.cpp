#include "core/world/map_animation_steps.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "core/tagfile/scan.h"

namespace lw {

namespace {

// Integer division rounded down (also for negative numbers); 0 for a divisor below 1.
int FloorDiv(int value, int divisor) {
    if (divisor < 1) return 0;
    const long long q = value >= 0 ? value / divisor : -((-static_cast<long long>(value) + divisor - 1) / divisor);
    return static_cast<int>(q);
}

// "%3d": the number right-aligned in three places.
void AppendPadded(std::string& out, long long value) {
    const std::string digits = FormatInt(value);
    if (digits.size() < 3) out.append(3 - digits.size(), ' ');
    out += digits;
}

void AppendPreviewFrames(EffectAnimation& record, const MapAnimation& file, const MapAnimationSequence& sequence) {
    for (const MapAnimationFrame& f : sequence.frames) {
        if (record.frameCount >= kEffectFrameCapacity) return;
        const auto [column, row] = FrameCell(f, file.frameWidth, file.frameHeight);
        EffectFrame& frame = record.frames[static_cast<std::size_t>(record.frameCount++)];
        frame.column = column;
        frame.row = row;
    }
}

EffectAnimation PreviewBase(const MapAnimation& file) {
    EffectAnimation record;
    record.imageFile = file.imageFile;
    record.cellWidth = file.frameWidth;
    record.cellHeight = file.frameHeight;
    record.speed = file.speed;
    return record;
}

}  // namespace

std::pair<int, int> FrameCell(const MapAnimationFrame& frame, int frameWidth, int frameHeight) {
    return {FloorDiv(frame.x, frameWidth), FloorDiv(frame.y, frameHeight)};
}

EffectAnimation FrameOrderRecord(const MapAnimation& file, const MapAnimationSequence& sequence, int imageWidth,
                                 int imageHeight) {
    EffectAnimation record = PreviewBase(file);
    record.areaWidth = std::max(imageWidth, 0);
    record.areaHeight = std::max(imageHeight, 0);
    ChipOrder order;
    for (const MapAnimationFrame& f : sequence.frames) order.push_back(FrameCell(f, file.frameWidth, file.frameHeight));
    ApplyFrameOrder(record, order);
    return record;
}

MapAnimationSequence SequenceFromFrameOrder(const ChipOrder& order, int frameWidth, int frameHeight,
                                            const MapAnimationSequence& before) {
    MapAnimationSequence out;
    const std::size_t count = std::min(order.size(), static_cast<std::size_t>(kMapAnimationFrameCapacity));
    out.frames.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::pair<int, int> cell = order[i];
        const int column = cell.first;
        const int row = cell.second;
        auto same = std::find_if(before.frames.begin(), before.frames.end(), [&](const MapAnimationFrame& f) {
            return FrameCell(f, frameWidth, frameHeight) == cell;
        });
        if (same != before.frames.end()) {
            out.frames.push_back(*same);
            continue;
        }
        const long long x = static_cast<long long>(column) * std::max(frameWidth, 0);
        const long long y = static_cast<long long>(row) * std::max(frameHeight, 0);
        out.frames.push_back({static_cast<int>(std::clamp<long long>(x, INT_MIN, INT_MAX)),
                              static_cast<int>(std::clamp<long long>(y, INT_MIN, INT_MAX))});
    }
    return out;
}

EffectAnimation PreviewRecord(const MapAnimation& file, const MapAnimationSequence& sequence) {
    EffectAnimation record = PreviewBase(file);
    AppendPreviewFrames(record, file, sequence);
    return record;
}

EffectAnimation PreviewRecordOfFile(const MapAnimation& file) {
    EffectAnimation record = PreviewBase(file);
    for (const MapAnimationSequence& s : file.animations) AppendPreviewFrames(record, file, s);
    return record;
}

std::string TerrainRowText(int listRow, const ChipCell& cell, const ChipGrid& grid) {
    std::string text;
    AppendPadded(text, listRow);
    if (cell.row < 0 || cell.row >= kChipGridSize || cell.column < 0 || cell.column >= kChipGridSize) return text;
    const int value = grid[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)];
    if (value != 0) {
        text += ' ';
        AppendPadded(text, static_cast<long long>(value) - 1);
    }
    return text;
}

std::string AnimationNumberText(int number) {
    std::string text;
    AppendPadded(text, number);
    return text;
}

}  // namespace lw
