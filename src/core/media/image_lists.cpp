#include "core/media/image_lists.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <limits>

#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr ImageTableFormat kBack{"image_back.txt", "image_back_number", "image_back_data", 20, 2};
constexpr ImageTableFormat kSelect{"image_select.txt", "image_sel_number", "image_sel_data", 11, 1};

constexpr std::string_view kFaceNumberTag = "image_face_number";
constexpr std::string_view kFaceDataTag = "image_face_data";

// A table slot: "%s %d %d %d %d %d".
const RecordFormat<ImageEntry>& SlotLine() {
    static const RecordFormat<ImageEntry> format = {
        TokenField(&ImageEntry::fileName, kImageFileNameBytes), IntField(&ImageEntry::drawMode),
        IntField(&ImageEntry::colorKey),  IntField(&ImageEntry::keyRed),
        IntField(&ImageEntry::keyGreen),  IntField(&ImageEntry::keyBlue),
    };
    return format;
}

// A face: "%d %d %s %d %d %d %d %d %d %d %d %d".
const RecordFormat<FaceEntry>& FaceLine() {
    static const RecordFormat<FaceEntry> format = {
        IntField(&FaceEntry::reserved1), IntField(&FaceEntry::reserved2),
        TokenField(&FaceEntry::fileName, kImageFileNameBytes),
        IntField(&FaceEntry::drawMode),  IntField(&FaceEntry::colorKey),
        IntField(&FaceEntry::keyRed),    IntField(&FaceEntry::keyGreen),
        IntField(&FaceEntry::keyBlue),   IntField(&FaceEntry::areaLeft),
        IntField(&FaceEntry::areaTop),   IntField(&FaceEntry::areaWidth),
        IntField(&FaceEntry::areaHeight),
    };
    return format;
}

template <class E>
DrawSpec SpecOfEntry(const E& e) {
    return DrawSpec{e.drawMode, e.colorKey, Rgb{e.keyRed, e.keyGreen, e.keyBlue}};
}
template <class E>
void SetSpecOfEntry(E& e, const DrawSpec& spec) {
    e.drawMode = spec.mode;
    e.colorKey = spec.keyOn;
    e.keyRed = spec.key.red;
    e.keyGreen = spec.key.green;
    e.keyBlue = spec.key.blue;
}

void WriteImageTable(TagWriter& w, ImageTableKind kind, const ImageTable& table) {
    const ImageTableFormat& f = FormatOf(kind);
    w.IntSection(f.numberTag, table.count);
    w.Open(f.dataTag);
    const int written = std::clamp(table.count, 0, kImageTableCapacity);
    for (int i = 0; i < written; ++i) AppendRecord(w.BeginLine(), table.entries[static_cast<std::size_t>(i)], SlotLine());
    w.Close(f.dataTag);
}

void WriteFaceList(TagWriter& w, const std::vector<FaceEntry>& faces) {
    w.IntSection(kFaceNumberTag, static_cast<long long>(faces.size()));
    w.Open(kFaceDataTag);
    for (const FaceEntry& face : faces) AppendRecord(w.BeginLine(), face, FaceLine());
    w.Close(kFaceDataTag);
}

}  // namespace

const ImageTableFormat& FormatOf(ImageTableKind kind) { return kind == ImageTableKind::Back ? kBack : kSelect; }

DrawSpec SpecOf(const ImageEntry& entry) { return SpecOfEntry(entry); }
void SetSpec(ImageEntry& entry, const DrawSpec& spec) { SetSpecOfEntry(entry, spec); }
DrawSpec SpecOf(const FaceEntry& face) { return SpecOfEntry(face); }
void SetSpec(FaceEntry& face, const DrawSpec& spec) { SetSpecOfEntry(face, spec); }

void PresetImageTable(ImageTableKind kind, ImageTable& table) {
    table.count = FormatOf(kind).presetCount;
    // Every slot, not only the preset ones: a count above the lines of a file must write slots that
    // read back as they were written, never an empty name.
    table.entries.fill(ImageEntry{});
}

void ParseImageTable(std::string_view bytes, ImageTableKind kind, ImageTable& table) {
    PresetImageTable(kind, table);
    const ImageTableFormat& f = FormatOf(kind);
    TagReader reader;
    BoundedList bounded{.count = table.count, .position = 0, .capacity = kImageTableCapacity};
    bounded.AddTo(reader, f.numberTag, f.dataTag, [&](int position, std::string_view line) {
        ParseRecord(line, table.entries[static_cast<std::size_t>(position)], SlotLine());
    });
    reader.Read(bytes);
    table.count = bounded.count;
}

ReadStatus LoadImageTable(const Project& project, ImageTableKind kind, ImageTable& table) {
    PresetImageTable(kind, table);
    FileBytes file = ReadFileBytes(DataFilePath(project, FormatOf(kind).fileName), kSmallFileCeiling);
    if (file.ok()) ParseImageTable(file.bytes, kind, table);
    return file.status;
}

std::string ImageTableBytes(ImageTableKind kind, const ImageTable& table) {
    return TagFileBytes([&](TagWriter& w) { WriteImageTable(w, kind, table); });
}

bool SaveImageTable(const Project& project, ImageTableKind kind, const ImageTable& table, SaveUi& ui) {
    const ImageTableFormat& f = FormatOf(kind);
    return SaveDataTagFile(project, f.fileName, [&](TagWriter& w) { WriteImageTable(w, kind, table); }, ui);
}

// The slot names as the interface shows them, marked for the translation.
[[maybe_unused]] constexpr const char* kImageSlotLabels[] = {
    LW_UI_TEXT("lw", "ロード画面背景"),
    LW_UI_TEXT("lw", "ゲームオーバー背景"),
    LW_UI_TEXT("lw", "レベルアップ背景"),
    LW_UI_TEXT("lw", "メニュー（ステータス）"),
    LW_UI_TEXT("lw", "メニュー（装備）"),
    LW_UI_TEXT("lw", "メニュー（魔法）"),
    LW_UI_TEXT("lw", "メニュー（道具）"),
    LW_UI_TEXT("lw", "メニュー（捨てる）"),
    LW_UI_TEXT("lw", "メニュー（セーブ）"),
    LW_UI_TEXT("lw", "メニュー（タイトルへ）"),
    LW_UI_TEXT("lw", "メニュー（終了）"),
    LW_UI_TEXT("lw", "メニュー（閉じる）"),
    LW_UI_TEXT("lw", "店の下枠"),
    LW_UI_TEXT("lw", "戦闘の下枠"),
    LW_UI_TEXT("lw", "戦闘のアイテム枠"),
    LW_UI_TEXT("lw", "会話枠（通常）"),
    LW_UI_TEXT("lw", "会話枠（選択肢）"),
    LW_UI_TEXT("lw", "会話枠（選択肢・所持金）"),
    LW_UI_TEXT("lw", "ロード画面"),
    LW_UI_TEXT("lw", "レベルアップ"),
    LW_UI_TEXT("lw", "メニュー1"),
    LW_UI_TEXT("lw", "メニュー2"),
    LW_UI_TEXT("lw", "店（下枠）"),
    LW_UI_TEXT("lw", "店（買う）"),
    LW_UI_TEXT("lw", "店（売る）"),
    LW_UI_TEXT("lw", "戦闘（下枠）"),
    LW_UI_TEXT("lw", "戦闘（アイテム選択）"),
    LW_UI_TEXT("lw", "会話枠")};

const std::vector<std::string>& ImageSlotNames(ImageTableKind kind) {
    static const std::vector<std::string> back = {
        "\x83\x8d\x81[\x83h\x89\xe6\x96\xca\x94w\x8ci",                                    // ロード画面背景
        "\x83Q\x81[\x83\x80\x83I\x81[\x83o\x81[\x94w\x8ci",                                // ゲームオーバー背景
        "\x83\x8c\x83x\x83\x8b\x83" "A\x83" "b\x83v\x94w\x8ci",                            // レベルアップ背景
        "\x83\x81\x83j\x83\x85\x81[\x81i\x83X\x83" "e\x81[\x83^\x83X\x81j",                // メニュー（ステータス）
        "\x83\x81\x83j\x83\x85\x81[\x81i\x91\x95\x94\xf5\x81j",                            // メニュー（装備）
        "\x83\x81\x83j\x83\x85\x81[\x81i\x96\x82\x96@\x81j",                               // メニュー（魔法）
        "\x83\x81\x83j\x83\x85\x81[\x81i\x93\xb9\x8b\xef\x81j",                            // メニュー（道具）
        "\x83\x81\x83j\x83\x85\x81[\x81i\x8e\xcc\x82\xc4\x82\xe9\x81j",                    // メニュー（捨てる）
        "\x83\x81\x83j\x83\x85\x81[\x81i\x83Z\x81[\x83u\x81j",                             // メニュー（セーブ）
        "\x83\x81\x83j\x83\x85\x81[\x81i\x83^\x83" "C\x83g\x83\x8b\x82\xd6\x81j",          // メニュー（タイトルへ）
        "\x83\x81\x83j\x83\x85\x81[\x81i\x8fI\x97\xb9\x81j",                               // メニュー（終了）
        "\x83\x81\x83j\x83\x85\x81[\x81i\x95\xc2\x82\xb6\x82\xe9\x81j",                    // メニュー（閉じる）
        "\x93X\x82\xcc\x89\xba\x98g",                                                      // 店の下枠
        "\x90\xed\x93\xac\x82\xcc\x89\xba\x98g",                                           // 戦闘の下枠
        "\x90\xed\x93\xac\x82\xcc\x83" "A\x83" "C\x83" "e\x83\x80\x98g",                   // 戦闘のアイテム枠
        "\x89\xef\x98" "b\x98g\x81i\x92\xca\x8f\xed\x81j",                                 // 会話枠（通常）
        "\x89\xef\x98" "b\x98g\x81i\x91I\x91\xf0\x8e\x88\x81j",                            // 会話枠（選択肢）
        "\x89\xef\x98" "b\x98g\x81i\x91I\x91\xf0\x8e\x88\x81" "E\x8f\x8a\x8e\x9d\x8b\xe0\x81j",  // 会話枠（選択肢・所持金）
    };
    static const std::vector<std::string> select = {
        "\x83\x8d\x81[\x83h\x89\xe6\x96\xca",                                              // ロード画面
        "\x83\x8c\x83x\x83\x8b\x83" "A\x83" "b\x83v",                                      // レベルアップ
        "\x83\x81\x83j\x83\x85\x81[1",                                                     // メニュー1
        "\x83\x81\x83j\x83\x85\x81[2",                                                     // メニュー2
        "\x93X\x81i\x89\xba\x98g\x81j",                                                    // 店（下枠）
        "\x93X\x81i\x94\x83\x82\xa4\x81j",                                                 // 店（買う）
        "\x93X\x81i\x94\x84\x82\xe9\x81j",                                                 // 店（売る）
        "\x90\xed\x93\xac\x81i\x89\xba\x98g\x81j",                                         // 戦闘（下枠）
        "\x90\xed\x93\xac\x81i\x83" "A\x83" "C\x83" "e\x83\x80\x91I\x91\xf0\x81j",         // 戦闘（アイテム選択）
        "\x89\xef\x98" "b\x98g",                                                           // 会話枠
    };
    return kind == ImageTableKind::Back ? back : select;
}

EffectAnimation FaceAnimation(const FaceEntry& face) {
    EffectAnimation a;
    a.imageFile = face.fileName;
    a.areaLeft = face.areaLeft;
    a.areaTop = face.areaTop;
    a.areaWidth = face.areaWidth;
    a.areaHeight = face.areaHeight;
    a.cellWidth = face.areaWidth;
    a.cellHeight = face.areaHeight;
    a.drawMode = face.drawMode;
    a.colorKey = face.colorKey;
    a.keyRed = face.keyRed;
    a.keyGreen = face.keyGreen;
    a.keyBlue = face.keyBlue;
    return a;
}

std::string FaceListText(const FaceEntry& face) {
    std::string text = face.fileName;
    for (int v : {face.areaLeft, face.areaTop, face.areaWidth, face.areaHeight}) {
        text += ' ';
        AppendInt(text, v);
    }
    return text;
}

std::string FaceComboText(const FaceEntry& face) {
    std::string text = face.fileName;
    for (int v : {face.areaLeft, face.areaTop}) {
        text += ' ';
        AppendInt(text, v);
    }
    return text;
}

std::vector<FaceEntry> ParseFaceList(std::string_view bytes) {
    std::vector<FaceEntry> faces;
    int count = 0;
    TagReader reader;
    reader.Section(kFaceNumberTag, [&](std::string_view line) { ScanInt(line, count); });
    // Faces are taken while fewer than the count have been taken, across every data section; the
    // vector only grows by lines that exist, so a huge count allocates nothing.
    reader.Section(kFaceDataTag, [&](std::string_view line) {
        if (static_cast<long long>(faces.size()) >= count) return;
        FaceEntry face;
        ParseRecord(line, face, FaceLine());
        faces.push_back(std::move(face));
    });
    reader.Read(bytes);
    return faces;
}

ReadStatus LoadFaceList(const Project& project, std::vector<FaceEntry>& faces) {
    faces.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kFaceFile), kListFileCeiling);
    if (file.ok()) faces = ParseFaceList(file.bytes);
    return file.status;
}

std::string FaceListBytes(const std::vector<FaceEntry>& faces) {
    return TagFileBytes([&](TagWriter& w) { WriteFaceList(w, faces); });
}

bool SaveFaceList(const Project& project, const std::vector<FaceEntry>& faces, SaveUi& ui) {
    return SaveDataTagFile(project, kFaceFile, [&](TagWriter& w) { WriteFaceList(w, faces); }, ui);
}

bool FaceSizeAcceptable(const FaceEntry& face) { return face.areaWidth >= 1 && face.areaHeight >= 1; }

void ClipFaceArea(FaceEntry& face, int imageWidth, int imageHeight) {
    auto clip = [](int start, int& extent, int limit) {
        if (static_cast<long long>(start) + extent > limit) {
            extent = static_cast<int>(std::clamp<long long>(static_cast<long long>(limit) - start, std::numeric_limits<int>::min(),
                                                                  std::numeric_limits<int>::max()));
        }
    };
    clip(face.areaLeft, face.areaWidth, imageWidth);
    clip(face.areaTop, face.areaHeight, imageHeight);
}

}  // namespace lw
