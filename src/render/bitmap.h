#pragma once
// Pictures of the project's image folder (Windows bitmap files) as QImages, and the two loaders
// the previews build on.
//
// A loaded picture is one of two kinds of QImage:
//  - Format_RGB32: a picture without alpha (1-, 4-, 8-, 16- and 24-bit files, palettes expanded).
//    Drawn in mode 2 it covers what lies below, as an opaque copy does.
//  - Format_ARGB32: a 32-bit file, its four bytes per pixel kept exactly as stored. The fourth
//    byte is premultiplied alpha, as the game blends it: in mode 2 a pixel adds its colour bytes to
//    (255 - alpha) / 255 of what lies below (saturating at 255), so alpha 255 covers, alpha 0 with
//    black colour bytes leaves the background as it is, and a file whose fourth byte is 0 throughout
//    adds itself to the background. In modes 0 and 1 the fourth byte is ignored. Qt's own painting
//    would read these bytes as straight alpha, so they are drawn with DrawImageWithMode only.

#include <array>
#include <filesystem>
#include <string_view>

#include <QImage>

namespace lw {

// Pictures larger than this in either direction, or of more pixels than kMaxPicturePixels, are not
// loaded.
inline constexpr int kMaxPictureSide = 32768;
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

// A BMP file's bytes as a picture (see above), or a null image when they are not a BMP this
// program can read (malformed, truncated, too large). Never reads outside `bytes`.
QImage DecodeBmp(std::string_view bytes);

// The picture in the file at `path`, or a null image.
QImage LoadImageFile(const std::filesystem::path& path);

// True for a picture whose fourth byte is premultiplied alpha (a 32-bit file).
inline bool CarriesAlpha(const QImage& image) { return image.format() == QImage::Format_ARGB32; }

// The two chip sets of the map view.
struct TileSets {
    std::array<QImage, 2> images;
};
// Loads the file into slot `index`, clamped to 0..1 (the old picture there is dropped even when the
// file does not load). Returns the slot used.
int LoadTileSet(TileSets& sets, const std::filesystem::path& path, int index);

// A region of a picture prepared for drawing with mode 2, whatever the placement's own mode:
// a 32-bit picture of width x height (a width or height below 1 means the whole file's). In mode 2
// the region is blended onto transparent black; otherwise it is copied and made opaque, except,
// with the key on, the pixels of exactly the key colour, which become fully transparent (all four
// bytes 0). A null image when the file does not load.
QImage LoadKeyedImage(const std::filesystem::path& path, int sourceX, int sourceY, int width, int height, int mode,
                      int keyOn, int red, int green, int blue);
// The same for a picture already in memory.
QImage MakeKeyedImage(const QImage& picture, int sourceX, int sourceY, int width, int height, int mode, int keyOn,
                      int red, int green, int blue);

// The built-in colour palette picture (128 x 128, 16 colours) that colour choices are clicked on.
QImage PalettePicture();

}  // namespace lw
