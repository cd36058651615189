#include "core/check/project_index.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <thread>

#include <iconv.h>

#include "core/check/line_references.h"
#include "core/events/event_commands.h"
#include "core/events/flag_explanations.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/media/image_lists.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/levels.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "core/rules/player_character.h"
#include "core/rules/shop_list.h"
#include "core/rules/treasure_list.h"
#include "core/settings/game_settings.h"
#include "core/settings/title_screen.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/scan.h"
#include "core/text/cp932.h"
#include "core/world/map_animation.h"
#include "core/world/npc_list.h"

namespace lw {

namespace {

// How a list file states its count: the number section and either one record line per row in the
// data section (flat) or one data section per row (nested).
struct CountShape {
    std::string_view numberTag;
    std::string_view dataTag;
    bool nested = false;
};

bool Contains(const std::vector<std::string>& sorted, std::string_view name) {
    return std::binary_search(sorted.begin(), sorted.end(), FoldedFileName(name));
}

std::vector<std::string> FoldedListing(const Project& project, std::string_view folder) {
    std::vector<std::string> out;
    for (const std::string& n : ListFolderFiles(project, folder, "*.*")) out.push_back(FoldedFileName(n));
    std::sort(out.begin(), out.end());
    return out;
}

// Which double-byte pairs are characters of the code page: a table of lead x trail, made once by
// asking the converter about every pair.
const std::vector<std::uint8_t>& Cp932Pairs() {
    static const std::vector<std::uint8_t> table = [] {
        std::vector<std::uint8_t> t(0x10000, 0);
        iconv_t cd = iconv_open("UTF-8", "CP932");
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            t.assign(0x10000, 1);  // no converter: take every well-formed pair
            return t;
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F) continue;
                char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                char out[8];
                char* inPtr = in;
                char* outPtr = out;
                std::size_t inLeft = 2, outLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                t[static_cast<std::size_t>(lead << 8 | trail)] =
                    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
            }
        }
        iconv_close(cd);
        return t;
    }();
    return table;
}

// The first line (from 0) holding bytes that are not CP932 text, or -1. Runs of plain ASCII are
// passed sixteen and eight bytes at a time; lines are counted only when a bad byte is found (the
// second byte of a pair is never a line break, so counting the breaks before it gives its line).
static_assert(std::endian::native == std::endian::little, "a byte's position is read from its bit");
int FirstNonCp932Line(std::string_view bytes) {
    const std::vector<std::uint8_t>& pairs = Cp932Pairs();
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
    std::size_t i = 0;
    auto lineAt = [&](std::size_t at) { return static_cast<int>(std::count(data, data + at, '\n')); };
    // The bytes of data[at..at+7] with their high bit set or NUL; the lowest one marked is exact (a
    // borrow can only mark bytes above a NUL).
    auto marks = [&](std::size_t at) {
        std::uint64_t v;
        std::memcpy(&v, data + at, 8);
        return (v | ((v - kOnes) & ~v)) & kHighs;
    };
    while (i < size) {
        if (i + 16 <= size && (marks(i) | marks(i + 8)) == 0) {
            i += 16;
            continue;
        }
        if (i + 8 <= size) {
            const std::uint64_t marked = marks(i);
            if (marked == 0) {
                i += 8;
                continue;
            }
            i += static_cast<std::size_t>(std::countr_zero(marked) >> 3);
        }
        const auto c = static_cast<unsigned char>(data[i]);
        if (c < 0x80) {
            if (c == 0) return lineAt(i);
        } else if (IsLeadByte(c)) {
            const auto t = i + 1 < size ? static_cast<unsigned char>(data[i + 1]) : 0;
            if (!pairs[static_cast<std::size_t>(c << 8 | t)]) return lineAt(i);
            ++i;
        } else if (c < 0xA1 || c > 0xDF) {  // 0x80, 0xA0, 0xFD..0xFF; 0xA1..0xDF are half-width kana
            return lineAt(i);
        }
        ++i;
    }
    return -1;
}

class Builder {
public:
    Builder(const Project& project, ProjectIndex& out, const IndexProgress& progress, int threads)
        : project_(project), out_(out), refs_(out.references), progress_(progress), threads_(threads) {}

    void Run();

private:
    // ---- recording ----
    int File(std::string_view name) { return refs_.AddFile(name); }
    void Finding(Severity s, int file, int record, const char* part, std::string message, int group = -1,
                 int line = -1) {
        out_.findings.push_back(
            {s, refs_.FileName(file), record, group, line, part ? std::string(part) : std::string(), std::move(message)});
    }
    // A group reference is of the scene `file`.
    void Ref(RefTarget t, long long index, int file, int record, const char* part, int group = -1, int line = -1) {
        const int i = index < INT32_MIN || index > INT32_MAX ? INT32_MIN : static_cast<int>(index);
        refs_.Add(t, i, -1, {file, record, group, line, part});
    }
    void FileRef(RefTarget t, std::string_view name, int file, int record, const char* part, int group = -1,
                 int line = -1) {
        refs_.Add(t, -1, refs_.AddName(name), {file, record, group, line, part});
    }
    // A picture name that names a picture ("" and the lists' own words for none do not).
    void ImageRef(std::string_view name, int file, int record, const char* part) {
        if (name.empty() || name == kNoShopPicture || name == kUnsetImageName) return;
        FileRef(RefTarget::ImageFile, name, file, record, part);
    }
    // A row reference where -1 (or `none`) means none.
    void OptionalRef(RefTarget t, int index, int file, int record, const char* part, int none = -1) {
        if (index != none && index != -1) Ref(t, index, file, record, part);
    }
    void Range(int file, int record, const char* part, long long value, long long low, long long high) {
        if (value >= low && value <= high) return;
        Finding(Severity::Warning, file, record, part,
                "the " + std::string(part) + " " + std::to_string(value) + " is outside " + std::to_string(low) + ".." +
                    std::to_string(high) + ", the range its editor keeps; set it again in the editor");
    }
    void Step() {
        ++done_;
        if (doneElsewhere_ != &ownDoneElsewhere_) doneElsewhere_->fetch_add(1, std::memory_order_relaxed);
        Report();
    }
    void Report() {
        const int done = done_ + ownDoneElsewhere_.load(std::memory_order_relaxed);
        if (progress_) progress_(std::min(done, total_), total_);
    }

    // ---- reading ----
    // The bytes of a data file, or nullopt when missing or unreadable (which is a finding).
    std::optional<std::string_view> Read(int file, std::uintmax_t ceiling = kListFileCeiling) {
        const ReadStatus status = reader_.Read(DataFilePath(project_, refs_.FileName(file)), ceiling);
        if (status == ReadStatus::Unreadable) {
            Finding(Severity::Error, file, -1, "",
                    "the file exists but could not be read (no permission, not a regular file or too large); "
                    "make it a readable file");
            return std::nullopt;
        }
        if (status != ReadStatus::Ok) return std::nullopt;
        const std::string_view bytes = reader_.content();
        const int bad = FirstNonCp932Line(bytes);
        if (bad >= 0)
            Finding(Severity::Error, file, -1, "",
                    "line " + std::to_string(bad + 1) +
                        " holds bytes that are not Shift-JIS text; retype that text in the editor", -1, -1);
        return bytes;
    }
    void CheckCount(int file, std::string_view bytes, const CountShape& shape) {
        long long declared = 0;
        bool seen = false;
        int rows = 0;
        bool inData = false;
        const std::string open = "<" + std::string(shape.dataTag) + ">";
        const std::string close = "</" + std::string(shape.dataTag) + ">";
        const std::string numberOpen = "<" + std::string(shape.numberTag) + ">";
        bool inNumber = false;
        ForEachLine(bytes, [&](std::string_view line) {
            if (line == numberOpen) {
                inNumber = true;
                return;
            }
            if (inNumber) {
                inNumber = false;
                if (!seen) seen = ParseDecimal(line, declared);
                return;
            }
            if (line == open) {
                inData = true;
                if (shape.nested) ++rows;
            } else if (line == close) {
                inData = false;
            } else if (inData && !shape.nested) {
                ++rows;
            }
        });
        if (seen && declared != rows)
            Finding(Severity::Error, file, -1, "",
                    "the count says " + std::to_string(declared) + " but the file holds " + std::to_string(rows) +
                        (shape.nested ? " records" : " lines") + "; open and save the list in its editor");
    }

    void ReadSettings();
    void ReadAudio(AudioList list, RefTarget target);
    void ReadTalk();
    void ReadImages();
    void ReadEffects();
    void ReadNarrations();
    void ReadItems();
    void ReadMagic();
    void ReadMonsters();
    void ReadEnemies();
    void ReadNpcs();
    void ReadChests();
    void ReadShops();
    void ReadPlayerCharacter();
    void ReadTitleAndStart();
    void ReadPlain(std::string_view name, std::uintmax_t ceiling);
    void ReadMapAnimations(const std::vector<MapAnimationFileEntry>& files);
    void ReadScene(const SceneFileEntry& entry);
    void ReadScenes(const std::vector<SceneFileEntry>& scenes, const std::vector<std::uintmax_t>& sizes);
    // Appends the scenes another builder read into `part`, as if this one had read them.
    void Join(ProjectIndex&& part);

    const Project& project_;
    ProjectIndex& out_;
    ReferenceIndex& refs_;
    const IndexProgress& progress_;
    FileReader reader_;
    LineLimits limits_;
    LineScan scan_;
    std::vector<std::vector<std::string_view>> lineViews_;  // the command lines of the scene being read
    int done_ = 0;
    int total_ = 0;
    int threads_ = 1;
    // Scenes read on other threads: a builder reading part of the scenes for another counts into
    // the other's; only the builder on the caller's thread reports progress.
    std::atomic<int> ownDoneElsewhere_{0};
    std::atomic<int>* doneElsewhere_ = &ownDoneElsewhere_;
};

void Builder::ReadSettings() {
    const int f = File(kSettingFile);
    auto bytes = Read(f, kSmallFileCeiling);
    Step();
    if (!bytes) return;
    GameSettings s;
    ParseGameSettings(*bytes, s);
    limits_.abilityMax = s.abilityMax;
    ImageRef(s.focusImage, f, -1, "battle focus picture");
    for (auto [value, part] : {std::pair{s.effectArrowTalk, "talk arrow animation"},
                               {s.effectArrowMenuUp, "menu up arrow animation"},
                               {s.effectArrowMenuDown, "menu down arrow animation"},
                               {s.effectBareHand, "bare-hand animation"}})
        OptionalRef(RefTarget::Effect, value, f, -1, part);
    for (auto [value, part] : {std::pair{s.soundBareHand, "bare-hand sound"}, {s.soundBattleItem, "battle item sound"},
                               {s.soundBattleLevelUp, "level-up sound"}, {s.soundPoison, "poison sound"},
                               {s.soundEquip, "equip sound"}, {s.soundUnequip, "unequip sound"},
                               {s.criticalSoundEffect, "critical hit sound"}})
        OptionalRef(RefTarget::Sound, value, f, -1, part);
    OptionalRef(RefTarget::Bgm, s.bgmLevelUp, f, -1, "level-up BGM");
    OptionalRef(RefTarget::Bgm, s.bgmGameOver, f, -1, "game-over BGM");
}

void Builder::ReadAudio(AudioList list, RefTarget target) {
    const AudioListFormat& format = FormatOf(list);
    const int f = File(format.fileName);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {format.numberTag, format.dataTag});
    AudioTable table;
    ParseAudioTable(*bytes, list, table);
    const std::vector<std::string> names = ParseAudioListNames(*bytes, list);
    const int size = std::clamp(std::min<int>(table.count, static_cast<int>(names.size())), 0, kAudioTableCapacity);
    refs_.SetListSize(target, size);
    for (int i = 0; i < size; ++i) {
        const std::string& name = names[static_cast<std::size_t>(i)];
        if (name.empty())
            Finding(Severity::Warning, f, i, "", "the entry names no file; choose a file or delete the entry");
        else
            FileRef(RefTarget::AudioFile, name, f, i, "file");
    }
}

void Builder::ReadTalk() {
    const int f = File(kTalkFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"talk_number", "talk_data"});
    const std::vector<std::string> texts = ParseTalkList(*bytes);
    refs_.SetListSize(RefTarget::Talk, static_cast<int>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ScanTalkText(texts[i], scan_);
        const int record = static_cast<int>(i);
        for (const LineReference& r : scan_.references) {
            if (r.target == RefTarget::Group) continue;  // a text belongs to no scene
            if (IsFileTarget(r.target))
                FileRef(r.target, r.name, f, record, r.part);
            else
                Ref(r.target, r.index, f, record, r.part);
        }
        for (LineFinding& finding : scan_.findings) Finding(finding.severity, f, record, "", std::move(finding.message));
    }
}

void Builder::ReadImages() {
    for (ImageTableKind kind : {ImageTableKind::Back, ImageTableKind::Select}) {
        const ImageTableFormat& format = FormatOf(kind);
        const int f = File(format.fileName);
        auto bytes = Read(f);
        Step();
        if (!bytes) continue;
        CheckCount(f, *bytes, {format.numberTag, format.dataTag});
        ImageTable table;
        ParseImageTable(*bytes, kind, table);
        for (int i = 0; i < std::min(table.count, kImageTableCapacity); ++i)
            ImageRef(table.entries[static_cast<std::size_t>(i)].fileName, f, i, "picture");
    }
    const int f = File(kFaceFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"image_face_number", "image_face_data"});
    const std::vector<FaceEntry> faces = ParseFaceList(*bytes);
    refs_.SetListSize(RefTarget::Face, static_cast<int>(faces.size()));
    for (std::size_t i = 0; i < faces.size(); ++i) ImageRef(faces[i].fileName, f, static_cast<int>(i), "picture");
}

void Builder::ReadEffects() {
    const int f = File(kEffectFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"image_effect_number", "image_effect_data", true});
    const std::vector<EffectAnimation> list = ParseEffectList(*bytes);
    EffectTable table;
    ParseEffectTable(*bytes, table);
    refs_.SetListSize(RefTarget::Effect, std::min(table.count(), static_cast<int>(list.size())));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const EffectAnimation& a = list[i];
        const int r = static_cast<int>(i);
        ImageRef(a.imageFile, f, r, "picture");
        Range(f, r, "frame count", a.frameCount, 0, kEffectFrameCapacity);
        Range(f, r, "draw mode", a.drawMode, 0, 2);
    }
}

void Builder::ReadNarrations() {
    const int f = File(kNarrationFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    const bool nested = bytes->find("<narration_main_data>") != std::string_view::npos;
    CheckCount(f, *bytes, {"narration_number", "narration_data", nested});
    const std::vector<Narration> list = ParseNarrationList(*bytes);
    refs_.SetListSize(RefTarget::Narration, static_cast<int>(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Narration& n = list[i];
        const int r = static_cast<int>(i);
        OptionalRef(RefTarget::Talk, n.text, f, r, "text");
        OptionalRef(RefTarget::Bgm, n.bgm, f, r, "BGM");
        ImageRef(n.image, f, r, "picture");
        Range(f, r, "font size", n.size, kNarrationSizeMin, kNarrationSizeMax);
        Range(f, r, "speed", n.speed, kNarrationSpeedMin, kNarrationSpeedMax);
    }
}

void Builder::ReadItems() {
    const int f = File(kItemFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"item_number", "item_data"});
    const std::vector<Item> items = ParseItemList(*bytes);
    refs_.SetListSize(RefTarget::Item, static_cast<int>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& it = items[i];
        const int r = static_cast<int>(i);
        if (KindUsesWeaponAnimation(it.kind)) OptionalRef(RefTarget::Effect, it.weaponAnimation, f, r, "weapon animation");
        if (it.sound >= 0) Ref(RefTarget::Sound, it.sound, f, r, "sound");
        Range(f, r, "kind", it.kind, 0, kItemKindCount - 1);
        Range(f, r, "price", it.price, 0, kItemPriceMax);
    }
}

void Builder::ReadMagic() {
    const int f = File(kMagicFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"magic_number", "magic_data"});
    const std::vector<Magic> spells = ParseMagicList(*bytes);
    refs_.SetListSize(RefTarget::Magic, static_cast<int>(spells.size()));
    for (std::size_t i = 0; i < spells.size(); ++i) {
        const Magic& m = spells[i];
        const int r = static_cast<int>(i);
        if (MagicUsesDamageFields(m)) OptionalRef(RefTarget::Effect, m.attackAnimation, f, r, "attack animation");
        OptionalRef(RefTarget::Sound, m.sound, f, r, "sound");
        Range(f, r, "level", m.level, 0, kMagicLevelMax);
    }
}

void Builder::ReadMonsters() {
    const int f = File(kMonsterFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"monster_number", "monster_data"});
    const std::vector<Monster> monsters = ParseMonsterList(*bytes);
    refs_.SetListSize(RefTarget::Monster, static_cast<int>(monsters.size()));
    for (std::size_t i = 0; i < monsters.size(); ++i) {
        const Monster& m = monsters[i];
        const int r = static_cast<int>(i);
        OptionalRef(RefTarget::Sound, m.normalSound, f, r, "attack sound");
        ImageRef(m.picture, f, r, "picture");
        Range(f, r, "special attack rate", static_cast<long long>(m.specialRate), 0, kMonsterRateMax);
        Range(f, r, "special success rate", static_cast<long long>(m.specialSuccess), 0, kMonsterRateMax);
    }
}

void Builder::ReadEnemies() {
    const int f = File(kEnemyFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"enemy_number", "enemy_data", true});
    const std::vector<EnemyUnit> units = ParseEnemyList(*bytes);
    refs_.SetListSize(RefTarget::EnemyUnit, static_cast<int>(units.size()));
    for (std::size_t i = 0; i < units.size(); ++i) {
        const int r = static_cast<int>(i);
        for (const Formation& form : UnitFormations(units[i])) {
            for (int m : form.monster)
                if (m != 0) Ref(RefTarget::Monster, static_cast<long long>(m) - 1, f, r, "formation monster");
            OptionalRef(RefTarget::Item, form.item, f, r, "formation item");
            OptionalRef(RefTarget::Bgm, form.bgm, f, r, "formation BGM");
        }
    }
}

void Builder::ReadNpcs() {
    const int f = File(kNpcFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"npc_number", "npc_data"});
    const std::vector<Npc> npcs = ParseNpcList(*bytes);
    refs_.SetListSize(RefTarget::Npc, static_cast<int>(npcs.size()));
    for (std::size_t i = 0; i < npcs.size(); ++i) {
        const Npc& n = npcs[i];
        const int r = static_cast<int>(i);
        ImageRef(n.spriteFile, f, r, "sprite");
        Range(f, r, "speed", n.speed, 1, 100);
        Range(f, r, "facing", n.facing, 0, 3);
        Range(f, r, "action kind", n.actionKind, 0, 1);
        out_.npcGroups.push_back(n.group);
    }
}

void Builder::ReadChests() {
    const int f = File(kTreasureFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"treasure_number", "treasure_data"});
    const std::vector<TreasureChest> chests = ParseTreasureList(*bytes);
    refs_.SetListSize(RefTarget::Chest, static_cast<int>(chests.size()));
    for (std::size_t i = 0; i < chests.size(); ++i) {
        const TreasureChest& c = chests[i];
        const int r = static_cast<int>(i);
        OptionalRef(RefTarget::Effect, c.animation, f, r, "animation");
        OptionalRef(RefTarget::Sound, c.soundEffect, f, r, "sound");
        Range(f, r, "shown flag", c.shown, 0, 1);
        Range(f, r, "run-once flag", c.runOnce, 0, 1);
        out_.chestGroups.push_back(c.group);
    }
}

void Builder::ReadShops() {
    const int f = File(kShopFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    CheckCount(f, *bytes, {"shop_number", "shop_data", true});
    const std::vector<Shop> shops = ParseShopList(*bytes);
    refs_.SetListSize(RefTarget::Shop, static_cast<int>(shops.size()));
    for (std::size_t i = 0; i < shops.size(); ++i) {
        const Shop& s = shops[i];
        const int r = static_cast<int>(i);
        for (int item : ShopGoods(s)) Ref(RefTarget::Item, item, f, r, "goods");
        ImageRef(s.buyPicture, f, r, "buying picture");
        ImageRef(s.sellPicture, f, r, "selling picture");
        Range(f, r, "kind", s.kind, 0, kShopKindCount - 1);
    }
}

void Builder::ReadPlayerCharacter() {
    const int f = File(kPlayerCharacterFile);
    auto bytes = Read(f);
    Step();
    if (!bytes) return;
    const PlayerCharacter pc = ParsePlayerCharacter(*bytes);
    ImageRef(pc.chip.fileName, f, -1, "walking chip");
    ImageRef(pc.face.fileName, f, -1, "face picture");
    for (int slot : pc.equipment)
        if (slot > 0) Ref(RefTarget::Item, static_cast<long long>(slot) - 1, f, -1, "equipment");
    for (const PcBelonging& b : pc.belongings)
        if (b.item > 0) Ref(RefTarget::Item, static_cast<long long>(b.item) - 1, f, -1, "belongings");
    Range(f, -1, "speed", pc.speed, kPcSpeedMin, kPcSpeedMax);
    Range(f, -1, "level", pc.level, 0, kPcLevelMax);
    Range(f, -1, "money", pc.money, 0, kPcAmountMax);
    Range(f, -1, "experience", pc.experience, 0, kPcAmountMax);
}

void Builder::ReadTitleAndStart() {
    const int f = File(kTitleFile);
    if (auto bytes = Read(f, kSmallFileCeiling)) {
        TitleScreen title;
        ParseTitleScreen(*bytes, title);
        OptionalRef(RefTarget::Bgm, title.bgm, f, -1, "BGM");
    }
    Step();
    const int s = File(kStartGameFile);
    if (auto bytes = Read(s, kSmallFileCeiling)) {
        int start = -1;
        ParseStartGameFile(*bytes, start);
        OptionalRef(RefTarget::Scene, start, s, -1, "start scene");
    }
    Step();
}

void Builder::ReadPlain(std::string_view name, std::uintmax_t ceiling) {
    Read(File(name), ceiling);
    Step();
}

void Builder::ReadMapAnimations(const std::vector<MapAnimationFileEntry>& files) {
    MapAnimation a;
    for (const MapAnimationFileEntry& e : files) {
        const int f = File(e.fileName);
        if (auto bytes = Read(f)) {
            ParseMapAnimation(*bytes, a);
            ImageRef(a.imageFile, f, -1, "picture");
            Range(f, -1, "speed", a.speed, 0, kMapAnimationMaxSpeed);
            out_.mapAnimations.emplace_back(FoldedFileName(e.fileName), a.animationCount());
        }
        Step();
    }
    std::sort(out_.mapAnimations.begin(), out_.mapAnimations.end());
}

void Builder::ReadScene(const SceneFileEntry& entry) {
    const int f = File(entry.fileName);
    Scene scene;
    // Read as the catalog load reads, into a buffer the catalog entry keeps.
    std::unique_ptr<char[]> kept;
    std::size_t size = 0;
    const ReadStatus status = ReadKeptSceneFile(project_, entry.fileName, kept, size);
    std::optional<std::string_view> bytes;
    if (status == ReadStatus::Unreadable) {
        Finding(Severity::Error, f, -1, "",
                "the file exists but could not be read (no permission, not a regular file or too large); "
                "make it a readable file");
    } else if (status == ReadStatus::Ok) {
        bytes = std::string_view(kept.get(), size);
        const int bad = FirstNonCp932Line(*bytes);
        if (bad >= 0)
            Finding(Severity::Error, f, -1, "",
                    "line " + std::to_string(bad + 1) + " holds bytes that are not Shift-JIS text; retype that text in the editor");
        ParseSceneLineViews(*bytes, scene, lineViews_);
    }
    Step();
    if (!bytes) {
        out_.catalog.entries.push_back(MakeCatalogEntry(entry.sceneNumber, entry.fileName, status, Scene{}));
        return;
    }
    out_.scenes.push_back({f, entry.sceneNumber, scene.groupCount()});
    auto group = [&](int g, int record, const char* part) {
        if (g != -1) Ref(RefTarget::Group, g, f, record, part);
    };
    if (scene.mapDataFile.empty())
        Finding(Severity::Error, f, -1, "map data file", "the scene names no map data file; choose one in the scene settings");
    else
        FileRef(RefTarget::MapFile, scene.mapDataFile, f, -1, "map data file");
    ImageRef(scene.backgroundChipSet, f, -1, "background chip set");
    ImageRef(scene.layerChipSet, f, -1, "layer chip set");
    OptionalRef(RefTarget::Bgm, scene.bgmIndex, f, -1, "BGM");
    if (!scene.mapAnimationFile.empty()) FileRef(RefTarget::MapAnimationFile, scene.mapAnimationFile, f, -1, "map animation file");
    // The grids: one reference per distinct value, at the first chip that holds it.
    std::array<bool, 257> seenAnimation{}, seenBattle{};
    for (int row = 0; row < kChipGridSize; ++row)
        for (int col = 0; col < kChipGridSize; ++col) {
            const int chip = row * kChipGridSize + col;
            const int a = scene.terrainAnimation[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            const int b = scene.terrainBattle[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            if (a != 0 && (a < 0 || a > 256 || !seenAnimation[static_cast<std::size_t>(a)])) {
                if (a > 0 && a <= 256) seenAnimation[static_cast<std::size_t>(a)] = true;
                if (scene.mapAnimationFile.empty())
                    Finding(Severity::Error, f, chip, "terrain animation",
                            "the chip has terrain animation " + std::to_string(a) +
                                " but the scene names no map animation file; choose one or clear the chip");
                else
                    refs_.Add(RefTarget::MapAnimation, a - 1, refs_.AddName(scene.mapAnimationFile),
                              {f, chip, -1, -1, "terrain animation"});
            }
            if (b != 0 && (b < 0 || b > 256 || !seenBattle[static_cast<std::size_t>(b)])) {
                if (b > 0 && b <= 256) seenBattle[static_cast<std::size_t>(b)] = true;
                if (b < 0 || b > scene.battleCount())
                    Finding(Severity::Error, f, chip, "terrain battle",
                            "the chip runs battle row " + std::to_string(b) + " but the scene has " +
                                std::to_string(scene.battleCount()) + " battle rows; choose a row that exists");
            }
        }
    for (int i = 0; i < scene.battleCount(); ++i) {
        const FieldBattle& b = scene.battles[static_cast<std::size_t>(i)];
        Ref(RefTarget::EnemyUnit, b.enemyUnit, f, i, "battle");
        ImageRef(b.backgroundImage, f, i, "battle");
        Range(f, i, "battle", static_cast<long long>(b.rate), 1, 100);
    }
    for (int i = 0; i < scene.npcCount(); ++i) Ref(RefTarget::Npc, scene.npcIndices[static_cast<std::size_t>(i)], f, i, "NPC list");
    for (int i = 0; i < scene.treasureCount(); ++i)
        Ref(RefTarget::Chest, scene.treasureIndices[static_cast<std::size_t>(i)], f, i, "chest list");
    for (int i = 0; i < scene.sceneChangeCount(); ++i) {
        const SceneChange& c = scene.sceneChanges[static_cast<std::size_t>(i)];
        group(c.group, i, "exit");
        Range(f, i, "exit", c.direction, 0, 4);
    }
    for (int i = 0; i < scene.eventPositionCount(); ++i) {
        const EventPosition& p = scene.eventPositions[static_cast<std::size_t>(i)];
        static const char* const kKinds[] = {"shop", "inn", "signpost", "fixed battle"};
        const char* part = p.kind >= 0 && p.kind <= 3 ? kKinds[p.kind] : "event position";
        group(p.group, i, part);
        if (p.kind == kShopPosition) Ref(RefTarget::Shop, p.shopIndex, f, i, part);
        Range(f, i, part, p.direction, 0, 4);
        Range(f, i, "event position", p.kind, 0, 3);
    }
    // The lines' references go straight to the index, at the line being scanned.
    scan_.index = &refs_;
    scan_.at = {f, -1, 0, 0, ""};
    for (int g = 0; g < scene.groupCount(); ++g) {
        const std::vector<std::string_view>& lines = lineViews_[static_cast<std::size_t>(g)];
        scan_.at.group = g;
        for (std::size_t l = 0; l < lines.size(); ++l) {
            scan_.at.line = static_cast<int>(l);
            ScanEventLine(lines[l], limits_, scan_);
            for (LineFinding& finding : scan_.findings)
                Finding(finding.severity, f, -1, "", std::move(finding.message), g, scan_.at.line);
        }
    }
    scan_.index = nullptr;
    // The catalog keeps the bytes, as a catalog load does; its entry parses them when asked.
    out_.catalog.entries.push_back(MakeUnparsedCatalogEntry(entry.sceneNumber, entry.fileName, std::move(kept), size));
}

void Builder::ReadScenes(const std::vector<SceneFileEntry>& scenes, const std::vector<std::uintmax_t>& sizes) {
    // Runs of about equal bytes, one a thread; the first is read on this thread.
    const std::size_t runs = std::min<std::size_t>(static_cast<std::size_t>(std::max(threads_, 1)), scenes.size());
    if (runs <= 1) {
        for (const SceneFileEntry& s : scenes) ReadScene(s);
        return;
    }
    std::uintmax_t total = 0;
    for (std::uintmax_t size : sizes) total += size + 1;  // + 1: empty files count too
    std::vector<std::size_t> begin = {0};
    std::uintmax_t sum = 0;
    for (std::size_t i = 0; i < scenes.size() && begin.size() < runs; ++i) {
        sum += sizes[i] + 1;
        if (sum * runs >= total * begin.size()) begin.push_back(i + 1);
    }
    while (begin.size() < runs + 1) begin.push_back(scenes.size());

    static const IndexProgress kNoProgress;
    std::vector<ProjectIndex> parts(runs - 1);
    auto readRun = [&](std::size_t run) {
        ProjectIndex& part = parts[run - 1];
        Builder b(project_, part, kNoProgress, 1);
        b.limits_ = limits_;
        b.doneElsewhere_ = &ownDoneElsewhere_;
        std::uintmax_t bytes = 0;
        for (std::size_t i = begin[run]; i < begin[run + 1]; ++i) bytes += sizes[i];
        b.refs_.Reserve(static_cast<std::size_t>(bytes / 10));
        for (std::size_t i = begin[run]; i < begin[run + 1]; ++i) b.ReadScene(scenes[i]);
    };
    std::vector<std::future<void>> running;  // destroyed (waited for) before `parts`
    for (std::size_t run = 1; run < runs; ++run) {
        try {
            running.push_back(std::async(std::launch::async, readRun, run));
        } catch (const std::system_error&) {  // no thread to be had: read the run here
            std::promise<void> done;
            done.set_value();
            running.push_back(done.get_future());
            readRun(run);
        }
    }
    for (std::size_t i = begin[0]; i < begin[1]; ++i) ReadScene(scenes[i]);
    for (std::future<void>& f : running) {
        while (f.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) Report();
        f.get();
    }
    for (ProjectIndex& part : parts) Join(std::move(part));
    Report();
}

void Builder::Join(ProjectIndex&& part) {
    // The part's files are its scenes, named in the order it read them.
    std::vector<int> fileOf(static_cast<std::size_t>(part.references.FileCount()));
    for (std::size_t f = 0; f < fileOf.size(); ++f) fileOf[f] = refs_.AddFile(part.references.FileName(static_cast<int>(f)));
    refs_.Append(part.references, fileOf);
    for (SceneSummary s : part.scenes) {
        s.file = fileOf[static_cast<std::size_t>(s.file)];
        out_.scenes.push_back(s);
    }
    std::move(part.findings.begin(), part.findings.end(), std::back_inserter(out_.findings));
    std::move(part.catalog.entries.begin(), part.catalog.entries.end(), std::back_inserter(out_.catalog.entries));
}

void Builder::Run() {
    out_.imageFiles = FoldedListing(project_, project_.imageFolder);
    out_.audioFiles = FoldedListing(project_, project_.audioFolder);
    out_.dataFiles = FoldedListing(project_, project_.dataFolder);
    const std::vector<SceneFileEntry> scenes = ListSceneFiles(project_);
    const std::vector<MapAnimationFileEntry> animations = ListMapAnimationFiles(project_);
    total_ = static_cast<int>(IndexedListFiles().size() + scenes.size() + animations.size());
    refs_.SetListSize(RefTarget::Flag, kFlagCount);

    // Settings first: they bound the ability amounts of the event commands.
    ReadSettings();
    ReadAudio(AudioList::Bgm, RefTarget::Bgm);
    ReadAudio(AudioList::Sound, RefTarget::Sound);
    ReadTalk();
    ReadImages();
    ReadEffects();
    ReadNarrations();
    ReadItems();
    ReadMagic();
    ReadMonsters();
    ReadEnemies();
    ReadNpcs();
    ReadChests();
    ReadShops();
    ReadPlayerCharacter();
    ReadTitleAndStart();
    ReadPlain(kFlagFile, kSmallFileCeiling);
    ReadPlain(kLevelFile, kSmallFileCeiling);
    ReadPlain(kLevelAbilityFile, kSmallFileCeiling);
    ReadMapAnimations(animations);
    out_.catalog.entries.reserve(scenes.size());
    // Scene files hold about one reference per 17 bytes; reserving more than that (untouched memory
    // costs nothing) avoids regrowing the index.
    std::uintmax_t sceneBytes = 0;
    std::vector<std::uintmax_t> sizes;
    sizes.reserve(scenes.size());
    for (const SceneFileEntry& s : scenes) {
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(DataFilePath(project_, s.fileName), ec);
        sizes.push_back(!ec && size <= kListFileCeiling ? size : 0);
        sceneBytes += sizes.back();
    }
    refs_.Reserve(refs_.references().size() + static_cast<std::size_t>(sceneBytes / 10));
    ReadScenes(scenes, sizes);

    out_.sceneOfFile.assign(static_cast<std::size_t>(refs_.FileCount()), -1);
    for (std::size_t i = 0; i < out_.scenes.size(); ++i) {
        out_.sceneOfFile[static_cast<std::size_t>(out_.scenes[i].file)] = static_cast<int>(i);
        out_.sceneOfNumber.emplace_back(out_.scenes[i].number, static_cast<int>(i));
    }
    std::stable_sort(out_.sceneOfNumber.begin(), out_.sceneOfNumber.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

}  // namespace

const std::vector<std::string_view>& IndexedListFiles() {
    static const std::vector<std::string_view> kFiles = {
        kSettingFile,  "midi_list.txt",   "wave_list.txt", kTalkFile,          "image_back.txt",
        "image_select.txt", kFaceFile,    kEffectFile,     kNarrationFile,     kItemFile,
        kMagicFile,    kMonsterFile,      kEnemyFile,      kNpcFile,           kTreasureFile,
        kShopFile,     kPlayerCharacterFile, kTitleFile,   kStartGameFile,     kFlagFile,
        kLevelFile,    kLevelAbilityFile,
    };
    return kFiles;
}

const SceneSummary* ProjectIndex::SceneByNumber(int number) const {
    auto it = std::lower_bound(sceneOfNumber.begin(), sceneOfNumber.end(), std::make_pair(number, INT32_MIN));
    if (it == sceneOfNumber.end() || it->first != number) return nullptr;
    return &scenes[static_cast<std::size_t>(it->second)];
}

const SceneSummary* ProjectIndex::SceneByFile(int fileId) const {
    if (fileId < 0 || fileId >= static_cast<int>(sceneOfFile.size())) return nullptr;
    const int slot = sceneOfFile[static_cast<std::size_t>(fileId)];
    return slot < 0 ? nullptr : &scenes[static_cast<std::size_t>(slot)];
}

bool ProjectIndex::HasImage(std::string_view name) const { return Contains(imageFiles, name); }
bool ProjectIndex::HasAudio(std::string_view name) const { return Contains(audioFiles, name); }
bool ProjectIndex::HasDataFile(std::string_view name) const { return Contains(dataFiles, name); }

std::optional<int> ProjectIndex::MapAnimationCount(std::string_view fileName) const {
    const std::string folded = FoldedFileName(fileName);
    auto it = std::lower_bound(mapAnimations.begin(), mapAnimations.end(), std::make_pair(folded, INT32_MIN));
    if (it == mapAnimations.end() || it->first != folded) return std::nullopt;
    return it->second;
}

ProjectIndex BuildProjectIndex(const Project& project, const IndexProgress& progress, int threads) {
    if (threads <= 0) threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    ProjectIndex index;
    Builder(project, index, progress, threads).Run();
    return index;
}

}  // namespace lw
