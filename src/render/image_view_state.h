#pragma once
// The image preview's state and everything it computes from it: the frame it shows in each view
// mode, the animation timer's period and frame cycle, the hovered cell, and what a click means.
// The preview window (src/previews) holds one ImageViewState, runs the timer, forwards the mouse
// and paints ComposeImageView; everything here is a plain function of the state, so every view
// mode can be checked pixel by pixel without a window.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "core/media/effect_animation.h"
#include "core/settings/drawing.h"
#include "core/settings/game_settings.h"

namespace lw {

// What the preview shows and what its clicks mean; the dialog that opens the preview sets it.
// The map view reads the same number (modes 9, 10, 14, 18).
enum class ViewMode : int {
    None = 0,
    SettingsColour = 1,  // basic settings: click picks a colour (not while animating)
    Animation = 2,       // animation previews
    ChipArea = 3,        // effect settings: chip area frame and cell grid; click picks the key colour
    CellPick = 4,        // frame order: as 3 plus the hovered cell; click picks that cell
    TitleMenu = 5,       // title screen: the ten menu texts
    MonsterColour = 6,   // click picks a colour
    ImageColour = 7,     // background and selection images: click picks a colour
    ItemAnimation = 8,
    Map9 = 9,
    Map10 = 10,
    MapAnimationList = 11,
    MapAnimationGrid = 12,  // cell grid over the whole image
    MapAnimation = 13,
    Map14 = 14,
    AreaFrame = 15,  // chip area frame; click picks a colour
    Narration = 16,  // narration text in its rectangle
    NpcAnimation = 17,
    Map18 = 18,
    FocusPoint = 19,      // second image centred and offset; click gives a point relative to the centre
    Sprites = 20,         // the six sprites
    SpriteDrag = 21,      // the six sprites, dragged with the mouse
    TalkPoint = 22,       // click gives the point
    FramePositions = 23,  // background picture and the current frame's cell at its position
};
inline constexpr int kViewModeMax = 23;

// The dialogs that receive clicks, one per group of modes.
enum class OwnerSlot : int {
    SettingsColour,  // mode 1
    ChipColour,      // mode 3
    CellPick,        // mode 4
    ImageColour,     // modes 6, 7 and 15
    FocusPoint,      // mode 19
    SpriteDrag,      // mode 21
    Point,           // modes 22 and 23
};
inline constexpr int kOwnerSlotCount = 7;
std::optional<OwnerSlot> OwnerSlotOf(ViewMode mode);
// Modes whose click picks a colour or a point: the preview shows a cross-hair in them.
bool IsPickingMode(ViewMode mode);
// Modes that show the current animation rather than the whole image (besides the animate flag).
bool IsAnimationMode(ViewMode mode);

// A picture slot: the picture and the size the view works with. The size is the picture's, except
// while an animation cell is shown, when it is the cell's.
struct Picture {
    QImage image;
    int width = 0;
    int height = 0;
    bool exists() const { return !image.isNull(); }
    void Clear() { *this = Picture{}; }
};
// Drops the old picture, then loads the file (the slot stays empty when it does not load).
void LoadPicture(Picture& slot, const std::filesystem::path& path);

inline constexpr int kSpriteCount = 6;
struct SpritePlacement {
    int x = 0;
    int y = 0;
    DrawSpec spec;
};

inline constexpr int kTitleMenuItems = 10;
struct TitleMenuItem {
    int shown = -1;    // shown when 0 or above
    std::string text;  // CP932, at most 255 bytes
};
struct TitleMenuOverlay {
    int x = 0;
    int y = 0;
    int lineHeight = 0;
    int fontHeight = 0;
    Rgb firstText, firstShadow;  // the first item shown
    Rgb otherText, otherShadow;  // the others
    std::array<TitleMenuItem, kTitleMenuItems> items;
};

struct NarrationOverlay {
    std::string text;  // CP932, CR LF between lines
    int fontHeight = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    Rgb colour;
};

struct ImageViewState {
    ViewMode mode = ViewMode::None;
    bool animate = false;   // the whole-image modes show the current animation instead
    int currentFrame = 0;   // 0-based
    EffectAnimation animation;  // the current animation; the opening dialog copies its record here
    Picture main;
    Picture second;  // background of mode 23, overlay of mode 19
    std::array<Picture, kSpriteCount> sprites;
    std::array<SpritePlacement, kSpriteCount> spritePlacements;
    // Mode 19: where the second image lies relative to the centre, and how it is drawn.
    int overlayX = 0;
    int overlayY = 0;
    DrawSpec overlaySpec;
    TitleMenuOverlay titleMenu;  // mode 5
    NarrationOverlay narration;  // mode 16
    // Mode 4: the hovered cell and its rectangle (empty, and -1, -1, when none).
    QRect highlight;
    int hoverColumn = -1;
    int hoverRow = -1;
    // Mode 21: the sprite being dragged (-1 none) and the offset from the pointer to its corner.
    int selectedSprite = -1;
    int dragOffsetX = 0;
    int dragOffsetY = 0;
};

// The frame the preview shows at `clientSize` (a null image when the size is empty).
QImage ComposeImageView(const ImageViewState& state, QSize clientSize, const TextFont& font);
// Draws the layers of the current view mode into `buffer`.
void PaintImageView(QImage& buffer, const ImageViewState& state, const TextFont& font);

// The animation timer: 30 ms times the wait value, 50 ms when that is below 1 ms.
int AnimationPeriodMs(int wait);
// One timer tick. In the animating modes (and mode 23) the frame advances and wraps at the frame
// count; returns true then (the view repaints). Other modes are left alone.
bool AdvanceAnimationFrame(ImageViewState& state);

// Mode 4: the cell under `point` becomes the hovered cell when the point lies inside the chip area.
// Returns true when the hovered cell changed (the view repaints and captions itself "column row").
bool UpdateHoveredCell(ImageViewState& state, QPoint point);

// What a left click means in the current mode.
struct ViewClick {
    enum class Kind { None, Colour, Cell, Point };
    Kind kind = Kind::None;
    OwnerSlot slot = OwnerSlot::SettingsColour;
    std::uint32_t colour = kInvalidColour;  // packed, red in the low byte
    QPoint point;                           // a point, or a cell as (column, row)
};
// Mode 21 selects the sprite under the point (the lowest-numbered, which is drawn on top) or none.
// A colour pick outside the picture and a cell click before any cell was hovered mean nothing.
ViewClick ClickAt(ImageViewState& state, QPoint point);

// Mode 21 while the button is held: the selected sprite moves to the point plus the drag offset.
// Returns the sprite's index, or nothing when no sprite is selected.
std::optional<int> DragSelectedSprite(ImageViewState& state, QPoint point);

}  // namespace lw
