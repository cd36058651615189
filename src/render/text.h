#pragma once
// Text in the game's font: the face and weight of setting.txt, fixed pitch, drawn without
// anti-aliasing in a transparent background at the pixel height asked for.
//
// A face that is not installed (the default "ＭＳ ゴシック" on this platform) is replaced by an
// installed Japanese gothic font, so Japanese text never falls back to boxes.

#include <string_view>

#include <QFont>
#include <QImage>
#include <QString>

#include "core/settings/drawing.h"
#include "core/settings/game_settings.h"

namespace lw {

// Heights are clamped to this range; 0 or below takes the default height.
inline constexpr int kDefaultTextHeight = 12;
inline constexpr int kMaxTextHeight = 512;

// The installed family that stands in for missing Japanese faces (empty when none is installed).
QString JapaneseFallbackFamily();

// The game font at `height` pixels.
QFont GameFont(const TextFont& font, int height);

// The colour of a record as drawn: each channel taken modulo 256, as the game does.
QColor ToQColor(const Rgb& colour);

// Draws `text` (CP932) with the top-left of its first line at (x, y).
void DrawTextAt(QImage& target, std::string_view text, int height, int x, int y, const Rgb& colour,
                const TextFont& font);

// Draws `text` (CP932; CR LF breaks lines) inside [left, right) x [top, bottom), broken at word
// and character boundaries to fit the width, tabs expanded, clipped to the rectangle.
void DrawTextInRect(QImage& target, std::string_view text, int height, int left, int top, int right, int bottom,
                    const Rgb& colour, const TextFont& font);

}  // namespace lw
