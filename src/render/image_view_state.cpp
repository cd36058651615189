#include "render/image_view_state.h"

#include <algorithm>
#include <climits>

#include "render/bitmap.h"
#include "render/draw.h"
#include "render/text.h"

namespace lw {

namespace {

int Saturate(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// Integer halves rounded down, also for negative numbers.
int HalfDown(int v) { return v >= 0 ? v / 2 : -((-static_cast<long long>(v) + 1) / 2); }

DrawSpec AnimationSpec(const EffectAnimation& a) {
    return DrawSpec{a.drawMode, a.colorKey, Rgb{a.keyRed, a.keyGreen, a.keyBlue}};
}

const EffectFrame& FrameAt(const EffectAnimation& a, int index) {
    return a.frames[static_cast<std::size_t>(std::clamp(index, 0, kEffectFrameCapacity - 1))];
}

// Draws frame `index`'s cell of the main image (its size the main image's recorded size) at `at`.
void DrawFrameCell(QImage& buffer, const ImageViewState& s, int index, QPoint at) {
    const EffectFrame& f = FrameAt(s.animation, index);
    const int w = s.main.width;
    const int h = s.main.height;
    const int sx = Saturate(static_cast<long long>(s.animation.areaLeft) + static_cast<long long>(f.column) * w);
    const int sy = Saturate(static_cast<long long>(s.animation.areaTop) + static_cast<long long>(f.row) * h);
    DrawImageWithMode(buffer, at.x(), at.y(), w, h, s.main.image, sx, sy, AnimationSpec(s.animation));
}

void DrawChipArea(QImage& buffer, const EffectAnimation& a) {
    DrawInvertedFrame(buffer, a.areaLeft, a.areaTop, Saturate(static_cast<long long>(a.areaLeft) + a.areaWidth),
                      Saturate(static_cast<long long>(a.areaTop) + a.areaHeight));
}

void DrawTitleMenu(QImage& buffer, const TitleMenuOverlay& menu, const TextFont& font) {
    int drawn = 0;
    for (const TitleMenuItem& item : menu.items) {
        if (item.shown < 0) continue;
        const int y = Saturate(static_cast<long long>(menu.y) + static_cast<long long>(menu.lineHeight) * drawn);
        const bool first = drawn == 0;
        const int x = menu.x;
        DrawTextAt(buffer, item.text, menu.fontHeight, Saturate(x + 1LL + 7), Saturate(y + 1LL + 4),
                   first ? menu.firstShadow : menu.otherShadow, font);
        DrawTextAt(buffer, item.text, menu.fontHeight, Saturate(x + 7LL), Saturate(y + 4LL),
                   first ? menu.firstText : menu.otherText, font);
        ++drawn;
    }
}

}  // namespace

std::optional<OwnerSlot> OwnerSlotOf(ViewMode mode) {
    switch (mode) {
    case ViewMode::SettingsColour: return OwnerSlot::SettingsColour;
    case ViewMode::ChipArea: return OwnerSlot::ChipColour;
    case ViewMode::CellPick: return OwnerSlot::CellPick;
    case ViewMode::MonsterColour:
    case ViewMode::ImageColour:
    case ViewMode::AreaFrame: return OwnerSlot::ImageColour;
    case ViewMode::FocusPoint: return OwnerSlot::FocusPoint;
    case ViewMode::SpriteDrag: return OwnerSlot::SpriteDrag;
    case ViewMode::TalkPoint:
    case ViewMode::FramePositions: return OwnerSlot::Point;
    default: return std::nullopt;
    }
}

bool IsPickingMode(ViewMode mode) {
    switch (mode) {
    case ViewMode::SettingsColour:
    case ViewMode::ChipArea:
    case ViewMode::MonsterColour:
    case ViewMode::ImageColour:
    case ViewMode::AreaFrame:
    case ViewMode::FocusPoint:
    case ViewMode::TalkPoint:
    case ViewMode::FramePositions: return true;
    default: return false;
    }
}

bool IsAnimationMode(ViewMode mode) {
    return mode == ViewMode::Animation || mode == ViewMode::ItemAnimation || mode == ViewMode::MapAnimation ||
           mode == ViewMode::NpcAnimation;
}

void LoadPicture(Picture& slot, const std::filesystem::path& path) {
    slot.Clear();
    slot.image = LoadImageFile(path);
    slot.width = slot.image.width();
    slot.height = slot.image.height();
}

void PaintImageView(QImage& buffer, const ImageViewState& s, const TextFont& font) {
    if (buffer.isNull()) return;
    const EffectAnimation& a = s.animation;
    const int W = s.main.width;
    const int H = s.main.height;

    if (s.mode == ViewMode::FramePositions) {
        if (s.second.exists()) {
            DrawImageWithMode(buffer, 0, 0, s.second.width, s.second.height, s.second.image, 0, 0, DrawSpec{});
        }
        if (s.main.exists()) {
            const EffectFrame& f = FrameAt(a, s.currentFrame);
            DrawFrameCell(buffer, s, s.currentFrame, QPoint(f.x, f.y));
        }
        return;
    }

    if (s.main.exists()) {
        if (!s.animate && !IsAnimationMode(s.mode)) {
            DrawImageWithMode(buffer, 0, 0, W, H, s.main.image, 0, 0, DrawSpec{});
        } else {
            DrawFrameCell(buffer, s, s.currentFrame, QPoint(0, 0));
        }
        switch (s.mode) {
        case ViewMode::ChipArea:
        case ViewMode::CellPick:
            DrawChipArea(buffer, a);
            DrawGrid(buffer, a.areaLeft, a.areaTop, a.areaWidth, a.areaHeight, a.cellWidth, a.cellHeight);
            if (s.mode == ViewMode::CellPick && !s.highlight.isEmpty()) {
                InvertRect(buffer, s.highlight.left(), s.highlight.top(), Saturate(s.highlight.left() + 1LL * s.highlight.width()),
                           Saturate(s.highlight.top() + 1LL * s.highlight.height()));
            }
            break;
        case ViewMode::TitleMenu: DrawTitleMenu(buffer, s.titleMenu, font); break;
        case ViewMode::MapAnimationGrid: DrawGrid(buffer, 0, 0, W, H, a.cellWidth, a.cellHeight); break;
        case ViewMode::AreaFrame: DrawChipArea(buffer, a); break;
        case ViewMode::Narration: {
            const NarrationOverlay& n = s.narration;
            DrawTextInRect(buffer, n.text, n.fontHeight, n.left, n.top, n.right, n.bottom, n.colour, font);
            break;
        }
        case ViewMode::FocusPoint:
            if (s.second.exists()) {
                const int x = Saturate(static_cast<long long>(HalfDown(W)) - HalfDown(s.second.width) + s.overlayX);
                const int y = Saturate(static_cast<long long>(HalfDown(H)) - HalfDown(s.second.height) + s.overlayY);
                DrawImageWithMode(buffer, x, y, s.second.width, s.second.height, s.second.image, 0, 0, s.overlaySpec);
            }
            break;
        default: break;
        }
    }

    if (s.mode == ViewMode::Sprites || s.mode == ViewMode::SpriteDrag) {
        // Sprite 0 last, so that it lies on top.
        for (int i = kSpriteCount - 1; i >= 0; --i) {
            const Picture& sprite = s.sprites[static_cast<std::size_t>(i)];
            if (!sprite.exists()) continue;
            const SpritePlacement& p = s.spritePlacements[static_cast<std::size_t>(i)];
            DrawImageWithMode(buffer, p.x, p.y, sprite.width, sprite.height, sprite.image, 0, 0, p.spec);
        }
    }
}

QImage ComposeImageView(const ImageViewState& state, QSize clientSize, const TextFont& font) {
    QImage buffer = NewFrameBuffer(clientSize);
    PaintImageView(buffer, state, font);
    return buffer;
}

int AnimationPeriodMs(int wait) {
    const long long period = 30LL * wait;
    if (period < 1) return 50;
    return static_cast<int>(std::min<long long>(period, INT_MAX));
}

bool AdvanceAnimationFrame(ImageViewState& s) {
    if (!(s.animate || IsAnimationMode(s.mode)) && s.mode != ViewMode::FramePositions) return false;
    const int count = std::clamp(s.animation.frameCount, 0, kEffectFrameCapacity);
    const int next = s.currentFrame + 1;
    s.currentFrame = (s.currentFrame < 0 || next >= count) ? 0 : next;
    return true;
}

bool UpdateHoveredCell(ImageViewState& s, QPoint point) {
    const EffectAnimation& a = s.animation;
    // Without a cell size there are no cells to hover.
    if (a.cellWidth < 1 || a.cellHeight < 1) return false;
    const long long dx = static_cast<long long>(point.x()) - a.areaLeft;
    const long long dy = static_cast<long long>(point.y()) - a.areaTop;
    if (dx < 0 || dy < 0 || dx >= a.areaWidth || dy >= a.areaHeight) return false;
    const int column = static_cast<int>(dx / a.cellWidth);
    const int row = static_cast<int>(dy / a.cellHeight);
    if (column == s.hoverColumn && row == s.hoverRow) return false;
    s.highlight = QRect(Saturate(a.areaLeft + static_cast<long long>(a.cellWidth) * column),
                        Saturate(a.areaTop + static_cast<long long>(a.cellHeight) * row), a.cellWidth, a.cellHeight);
    s.hoverColumn = column;
    s.hoverRow = row;
    return true;
}

ViewClick ClickAt(ImageViewState& s, QPoint point) {
    ViewClick click;
    auto colour = [&](OwnerSlot slot) {
        const std::uint32_t picked = PickImageColour(s.main.image, point);
        if (picked == kInvalidColour) return;  // outside the picture: no colour to give
        click.kind = ViewClick::Kind::Colour;
        click.slot = slot;
        click.colour = picked;
    };
    auto at = [&](OwnerSlot slot, QPoint p) {
        click.kind = ViewClick::Kind::Point;
        click.slot = slot;
        click.point = p;
    };
    switch (s.mode) {
    case ViewMode::SettingsColour:
        if (!s.animate) colour(OwnerSlot::SettingsColour);
        break;
    case ViewMode::ChipArea: colour(OwnerSlot::ChipColour); break;
    case ViewMode::MonsterColour:
    case ViewMode::ImageColour:
    case ViewMode::AreaFrame: colour(OwnerSlot::ImageColour); break;
    case ViewMode::CellPick:
        // The cell under the pointer is the hovered one, even when no move came before the click.
        UpdateHoveredCell(s, point);
        if (s.hoverColumn >= 0 && s.hoverRow >= 0) {
            click.kind = ViewClick::Kind::Cell;
            click.slot = OwnerSlot::CellPick;
            click.point = QPoint(s.hoverColumn, s.hoverRow);
        }
        break;
    case ViewMode::FocusPoint:
        at(OwnerSlot::FocusPoint, QPoint(Saturate(static_cast<long long>(point.x()) - HalfDown(s.main.width)),
                                         Saturate(static_cast<long long>(point.y()) - HalfDown(s.main.height))));
        break;
    case ViewMode::TalkPoint:
    case ViewMode::FramePositions: at(OwnerSlot::Point, point); break;
    case ViewMode::SpriteDrag:
        s.selectedSprite = -1;
        for (int i = 0; i < kSpriteCount; ++i) {
            const Picture& sprite = s.sprites[static_cast<std::size_t>(i)];
            const SpritePlacement& p = s.spritePlacements[static_cast<std::size_t>(i)];
            if (!sprite.exists()) continue;
            const long long x = point.x(), y = point.y();
            if (x >= p.x && x <= static_cast<long long>(p.x) + sprite.width && y >= p.y &&
                y <= static_cast<long long>(p.y) + sprite.height) {
                s.selectedSprite = i;
                s.dragOffsetX = Saturate(static_cast<long long>(p.x) - x);
                s.dragOffsetY = Saturate(static_cast<long long>(p.y) - y);
                break;
            }
        }
        break;
    default: break;
    }
    return click;
}

std::optional<int> DragSelectedSprite(ImageViewState& s, QPoint point) {
    if (s.selectedSprite < 0 || s.selectedSprite >= kSpriteCount) return std::nullopt;
    SpritePlacement& p = s.spritePlacements[static_cast<std::size_t>(s.selectedSprite)];
    p.x = Saturate(static_cast<long long>(point.x()) + s.dragOffsetX);
    p.y = Saturate(static_cast<long long>(point.y()) + s.dragOffsetY);
    return s.selectedSprite;
}

}  // namespace lw
