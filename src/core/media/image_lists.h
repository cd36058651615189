#pragma once
// The image lists of the data folder:
//   - image_back.txt, the background pictures of the game's screens, and image_select.txt, the
//     selection cursors of its menus: fixed tables of slots (`ImageTable`), each slot a picture of
//     the image folder and how it is drawn;
//   - image_face.txt, the open list of face pictures (`FaceEntry`), each a rectangle cut out of a
//     picture. A face is referred to elsewhere (talk markup, event commands) by its 0-based position
//     in this list.
//
// File shapes (CR LF between lines, none after the last):
//   "<image_back_number>" count "</image_back_number>" "<image_back_data>"
//       one line per slot 0 .. count-1: "file mode key red green blue"   "</image_back_data>"
//   (image_sel_ in place of image_back_ for image_select.txt)
//   "<image_face_number>" count "</image_face_number>" "<image_face_data>"
//       one line per face: "reserved1 reserved2 file mode key red green blue left top width height"
//   "</image_face_data>"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/media/effect_animation.h"
#include "core/project/project.h"
#include "core/settings/drawing.h"
#include "core/tagfile/file_io.h"

namespace lw {

inline constexpr std::size_t kImageFileNameBytes = 259;  // a 260-byte field with its terminator
inline constexpr int kImageTableCapacity = 256;
inline constexpr std::string_view kUnsetImageName = "?.bmp";

// ---------------------------------------------------------------------------------------------
// Background and selection tables

enum class ImageTableKind { Back, Select };

struct ImageTableFormat {
    std::string_view fileName;   // "image_back.txt" / "image_select.txt"
    std::string_view numberTag;  // "image_back_number" / "image_sel_number"
    std::string_view dataTag;    // "image_back_data" / "image_sel_data"
    int presetCount;             // 20 / 11
    int firstEditedSlot;         // 2 / 1: the slot the editor's first list position edits
};
const ImageTableFormat& FormatOf(ImageTableKind kind);

// One slot of a table.
struct ImageEntry {
    std::string fileName{kUnsetImageName};  // CP932, at most kImageFileNameBytes
    int drawMode = kDrawOpaque;
    int colorKey = 0;
    int keyRed = 0;
    int keyGreen = 0;
    int keyBlue = 0;
    bool operator==(const ImageEntry&) const = default;
};
DrawSpec SpecOf(const ImageEntry& entry);
void SetSpec(ImageEntry& entry, const DrawSpec& spec);

// A whole table: `count` slots are written, however many the editor shows. Slots beyond the count
// are kept in memory but not written.
struct ImageTable {
    int count = 0;  // at most kImageTableCapacity after a read (a negative count stays as read and
                    // writes no slot); the preset count before it
    std::array<ImageEntry, kImageTableCapacity> entries{};
};

// The table before any file is read: the preset count (20 or 11), and every slot named "?.bmp"
// with zero draw values.
void PresetImageTable(ImageTableKind kind, ImageTable& table);
// Presets `table`, then takes the file's count (at most 256) and its record lines into slots
// 0, 1, ... while below the count. Fields that do not parse keep their preset values.
void ParseImageTable(std::string_view bytes, ImageTableKind kind, ImageTable& table);
// A missing or unreadable file leaves the preset table.
ReadStatus LoadImageTable(const Project& project, ImageTableKind kind, ImageTable& table);
// Every slot below the table's count, edited or not.
std::string ImageTableBytes(ImageTableKind kind, const ImageTable& table);
bool SaveImageTable(const Project& project, ImageTableKind kind, const ImageTable& table, SaveUi& ui);

// The names the editors list, in list order (18 backgrounds, 10 cursors), as CP932 bytes.
// List position k edits slot k + FormatOf(kind).firstEditedSlot.
const std::vector<std::string>& ImageSlotNames(ImageTableKind kind);

// ---------------------------------------------------------------------------------------------
// Face list

inline constexpr std::string_view kFaceFile = "image_face.txt";

struct FaceEntry {
    std::string fileName;  // CP932, at most kImageFileNameBytes; a file of the image folder
    int areaLeft = 0;      // the face rectangle inside the picture
    int areaTop = 0;
    int areaWidth = 0;
    int areaHeight = 0;
    int reserved1 = 0;  // carried from the file and written back unchanged; 0 for new faces
    int reserved2 = 0;
    int drawMode = kDrawOpaque;
    int colorKey = 0;
    int keyRed = 0;
    int keyGreen = 0;
    int keyBlue = 0;
    bool operator==(const FaceEntry&) const = default;
};
DrawSpec SpecOf(const FaceEntry& face);
// The preview's animation for one face: the face rectangle as one cell drawn with the face's
// drawing values, so that the preview shows exactly that rectangle.
EffectAnimation FaceAnimation(const FaceEntry& face);
void SetSpec(FaceEntry& face, const DrawSpec& spec);

// The text of a face in the face list editor: "file left top width height".
std::string FaceListText(const FaceEntry& face);
// The text of a face in a face drop-down (talk and event dialogs): "file left top".
std::string FaceComboText(const FaceEntry& face);

// The faces of the file, in file order: record lines are taken while fewer than the count have
// been taken (a negative count takes none).
std::vector<FaceEntry> ParseFaceList(std::string_view bytes);
// `faces` is emptied first; a missing or unreadable file leaves it empty.
ReadStatus LoadFaceList(const Project& project, std::vector<FaceEntry>& faces);
// The count line is the number of faces.
std::string FaceListBytes(const std::vector<FaceEntry>& faces);
bool SaveFaceList(const Project& project, const std::vector<FaceEntry>& faces, SaveUi& ui);

// The face dialog's "次へ" rules. The size is acceptable when width and height are both at least 1
// (otherwise the dialog says "画像ｻｲｽﾞは1以上に設定してください" and stays open).
bool FaceSizeAcceptable(const FaceEntry& face);
// Clips the area to a picture of `imageWidth` x `imageHeight`: when left + width exceeds the
// picture's width the width becomes imageWidth - left; likewise for the height. Nothing else
// changes. With no picture loaded (0 x 0) the result may be 0 or negative; it is stored as it stands.
void ClipFaceArea(FaceEntry& face, int imageWidth, int imageHeight);

}  // namespace lw
