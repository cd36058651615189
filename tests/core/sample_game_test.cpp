// The sample game: every file reads back to the same bytes and every list the hub asks for is there,
// every reference between its lists lands on something that exists, and it is written only into an
// empty folder.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "core/check/project_check.h"
#include "core/check/project_index.h"
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
#include "core/sample/sample_game.h"
#include "core/sample/sample_pictures.h"
#include "core/settings/game_settings.h"
#include "core/settings/title_screen.h"
#include "core/tagfile/scan.h"
#include "core/world/map_animation.h"
#include "core/world/npc_list.h"
#include "core/world/scene.h"
#include "support/core/linked_project.h"
#include "support/core/sample_project.h"

namespace lw {
namespace {

namespace fs = std::filesystem;

// The sample's files by folder and name.
struct SampleFiles {
    std::map<std::string, std::string> data, image, audio, project;
    SampleFiles() {
        for (SampleFile& f : SampleGameFiles()) {
            auto& folder = f.folder == SampleFolder::Data    ? data
                           : f.folder == SampleFolder::Image ? image
                           : f.folder == SampleFolder::Audio ? audio
                                                             : project;
            EXPECT_TRUE(folder.emplace(f.name, std::move(f.bytes)).second) << "twice: " << f.name;
        }
    }
    const std::string& Data(const std::string& name) const { return data.at(name); }
};

const SampleFiles& Files() {
    static const SampleFiles files;
    return files;
}

// Each list file read by its reader and written by its writer.
using Rewrite = std::function<std::string(std::string_view)>;
const std::map<std::string, Rewrite>& Rewriters() {
    static const std::map<std::string, Rewrite> rewriters = {
        {"midi_list.txt", [](auto b) { return AudioListBytes(AudioList::Bgm, ParseAudioListNames(b, AudioList::Bgm)); }},
        {"wave_list.txt", [](auto b) { return AudioListBytes(AudioList::Sound, ParseAudioListNames(b, AudioList::Sound)); }},
        {"talk_list.txt", [](auto b) { return TalkListBytes(ParseTalkList(b)); }},
        {"image_back.txt", [](auto b) {
             ImageTable t;
             ParseImageTable(b, ImageTableKind::Back, t);
             return ImageTableBytes(ImageTableKind::Back, t);
         }},
        {"image_select.txt", [](auto b) {
             ImageTable t;
             ParseImageTable(b, ImageTableKind::Select, t);
             return ImageTableBytes(ImageTableKind::Select, t);
         }},
        {"image_face.txt", [](auto b) { return FaceListBytes(ParseFaceList(b)); }},
        {"image_effect.txt", [](auto b) { return EffectFileBytes(ParseEffectList(b)); }},
        {"narration_list.txt", [](auto b) { return NarrationListBytes(ParseNarrationList(b)); }},
        {"item_list.txt", [](auto b) { return ItemListBytes(ParseItemList(b)); }},
        {"magic_list.txt", [](auto b) { return MagicListBytes(ParseMagicList(b)); }},
        {"monster_list.txt", [](auto b) { return MonsterListBytes(ParseMonsterList(b)); }},
        {"enemy_list.txt", [](auto b) { return EnemyListBytes(ParseEnemyList(b)); }},
        {"level_list.txt", [](auto b) { return LevelListBytes(LevelListRows(ParseLevelTable(b))); }},
        {"level_ability_list.txt", [](auto b) { return GrowthListBytes(ParseGrowthList(b)); }},
        {"pc.txt", [](auto b) { return PlayerCharacterBytes(ParsePlayerCharacter(b)); }},
        {"start_game.txt", [](auto b) {
             int scene = -1;
             ParseStartGameFile(b, scene);
             return StartGameFileBytes(scene);
         }},
        {"title.txt", [](auto b) {
             TitleScreen t;
             ParseTitleScreen(b, t);
             ApplyTitleEditorFlags(t);  // as the editor does on opening
             return TitleScreenBytes(t);
         }},
        {"setting.txt", [](auto b) {
             GameSettings s;
             ParseGameSettings(b, s);
             return GameSettingsBytes(s);
         }},
        {"flag_exp.txt", [](auto b) {
             FlagExplanations f;
             ParseFlagExplanations(b, f);
             return FlagExplanationsBytes(f);
         }},
        {"npc_list.txt", [](auto b) { return NpcListBytes(ParseNpcList(b)); }},
        {"treasure_list.txt", [](auto b) { return TreasureListBytes(ParseTreasureList(b)); }},
        {"shop_list.txt", [](auto b) { return ShopListBytes(ParseShopList(b)); }},
    };
    return rewriters;
}

Rewrite RewriterFor(const std::string& name) {
    if (auto it = Rewriters().find(name); it != Rewriters().end()) return it->second;
    if (SceneNumberFromFileName(name)) {
        return [](std::string_view b) {
            Scene s;
            ParseScene(b, s);
            return SceneBytes(s);
        };
    }
    if (MapAnimationNumberFromFileName(name)) {
        return [](std::string_view b) {
            MapAnimation a;
            ParseMapAnimation(b, a);
            return MapAnimationBytes(a);
        };
    }
    if (MatchesPattern(name, "*.bin")) {
        return [](std::string_view b) {
            MapData m;
            return ParseMapData(b, m) ? MapDataBytes(m) : std::string();
        };
    }
    return {};
}

TEST(SampleGame, EveryFileReadsBackByteForByte) {
    std::set<std::string> covered;
    for (const auto& [name, bytes] : Files().data) {
        const Rewrite rewrite = RewriterFor(name);
        ASSERT_TRUE(rewrite) << "no reader for " << name;
        EXPECT_EQ(rewrite(bytes), bytes) << name;
        covered.insert(name);
    }
    // Every list the hub edits is there.
    for (const auto& [name, rewrite] : Rewriters()) EXPECT_TRUE(covered.count(name)) << "missing " << name;
    EXPECT_TRUE(covered.count("scene0.txt") && covered.count("scene1.txt") && covered.count("scene2.txt"));
    EXPECT_TRUE(covered.count("map_anim0.txt"));
    // The generator gives the same files every time.
    const std::vector<SampleFile> again = SampleGameFiles();
    std::size_t same = 0;
    for (const SampleFile& f : again) same += f.folder == SampleFolder::Data && Files().Data(f.name) == f.bytes;
    EXPECT_EQ(same, Files().data.size());
}

// The headers of the pictures and sounds say what the files hold.
TEST(SampleGame, PicturesAndSoundsAreWholeFiles) {
    const auto le32 = [](const std::string& s, std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
    };
    ASSERT_GE(Files().image.size(), 20u);
    for (const auto& [name, bytes] : Files().image) {
        ASSERT_GT(bytes.size(), 54u) << name;
        EXPECT_EQ(bytes.substr(0, 2), "BM") << name;
        EXPECT_EQ(le32(bytes, 2), bytes.size()) << name;
        const std::uint32_t width = le32(bytes, 18), height = le32(bytes, 22);
        EXPECT_EQ(54 + (width * 3 + 3) / 4 * 4 * height, bytes.size()) << name;
    }
    std::size_t tunes = 0, tones = 0;
    for (const auto& [name, bytes] : Files().audio) {
        if (MatchesPattern(name, "*.mid")) {
            ++tunes;
            ASSERT_GT(bytes.size(), 22u) << name;
            EXPECT_EQ(bytes.substr(0, 4), "MThd") << name;
            EXPECT_EQ(bytes.substr(14, 4), "MTrk") << name;
            const std::uint32_t length = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[18])) << 24 |
                                         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[19])) << 16 |
                                         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[20])) << 8 |
                                         static_cast<unsigned char>(bytes[21]);
            EXPECT_EQ(22 + length, bytes.size()) << name;
            EXPECT_EQ(bytes.substr(bytes.size() - 3), std::string("\xFF\x2F\x00", 3)) << name;
        } else {
            ++tones;
            EXPECT_EQ(bytes.substr(0, 4), "RIFF") << name;
            EXPECT_EQ(le32(bytes, 4) + 8, bytes.size()) << name;
            EXPECT_EQ(le32(bytes, 40) + 44, bytes.size()) << name;
            EXPECT_GT(le32(bytes, 40), 1000u) << name;
        }
    }
    EXPECT_GE(tunes, 5u);
    EXPECT_GE(tones, 5u);
}

// The project check finds nothing to report in the sample: no reference out of range, no missing
// file, no value outside what the editors allow.
TEST(SampleGame, ChecksClean) {
    test::SampleProject sample;
    EXPECT_EQ(test::CheckLines(sample.project), std::vector<std::string>{});
}

// ---- what the project check does not ask -------------------------------------------------------

// The check above settles every reference to a list row, group, scene or file and every NPC and
// chest standing in one scene. What it leaves: places inside their maps, a "message" group that
// begins with its text, and what the sample itself promises (every item kind, rates, flags).
struct Sample {
    std::vector<Item> items = ParseItemList(Files().Data("item_list.txt"));
    std::vector<EnemyUnit> units = ParseEnemyList(Files().Data("enemy_list.txt"));
    std::vector<Npc> npcs = ParseNpcList(Files().Data("npc_list.txt"));
    std::vector<TreasureChest> chests = ParseTreasureList(Files().Data("treasure_list.txt"));
    std::map<int, Scene> scenes;
    std::map<int, MapData> maps;
    Sample() {
        for (int n = 0; n < 3; ++n) {
            ParseScene(Files().Data(SceneFileName(n)), scenes[n]);
            EXPECT_TRUE(ParseMapData(Files().Data(scenes[n].mapDataFile), maps[n])) << n;
        }
    }
    bool Inside(int scene, int x, int y) const {
        const MapData& m = maps.at(scene);
        return x >= 0 && y >= 0 && static_cast<std::uint32_t>(x) < m.width && static_cast<std::uint32_t>(y) < m.height;
    }
};

// A "message" line's group begins with its text; a "scene" line lands inside the map it names.
void CheckCommand(const Sample& s, int sceneNumber, std::string_view line) {
    const Scene& scene = s.scenes.at(sceneNumber);
    const std::string where = "scene " + std::to_string(sceneNumber) + ": " + std::string(line);
    int a = 0, b = 0, c = 0;
    if (line.rfind("message ", 0) == 0) {
        ASSERT_TRUE(ScanInt(line.substr(8), a)) << where;
        ASSERT_TRUE(a >= 0 && a < scene.groupCount()) << where;
        const CommandLines& talk = scene.groups[static_cast<std::size_t>(a)].commands;
        ASSERT_FALSE(talk.empty()) << where;
        EXPECT_EQ(talk[0].substr(0, 5), "talk ") << where;
    } else if (line.rfind("scene ", 0) == 0) {
        ASSERT_TRUE(ScanInt(line.substr(6), a)) << where;
        ASSERT_TRUE(s.scenes.count(a)) << where;
        std::string_view rest = line.substr(6 + std::to_string(a).size() + 1);
        ASSERT_TRUE(ScanInt(rest, b)) << where;
        ASSERT_TRUE(ScanInt(rest.substr(rest.find(' ') + 1), c)) << where;
        EXPECT_TRUE(s.Inside(a, b, c)) << where;
    }
}

TEST(SampleGame, PlacesLieInsideTheirMapsAndTheSampleKeepsItsPromises) {
    const Sample s;
    for (const auto& [number, scene] : s.scenes) {
        const MapData& map = s.maps.at(number);
        EXPECT_TRUE(map.width >= 30 && map.width <= 60 && map.height >= 20 && map.height <= 40) << number;
        for (std::uint32_t cell : map.cells) {
            EXPECT_TRUE(Layer0Chip(cell) >= 1 && Layer0Chip(cell) < sample::kGroundChipCount);
            EXPECT_LT(Layer1Chip(cell), sample::kUpperChipCount);
        }
        for (const SceneChange& e : scene.sceneChanges) EXPECT_TRUE(s.Inside(number, e.x, e.y)) << number;
        for (const EventPosition& e : scene.eventPositions) EXPECT_TRUE(s.Inside(number, e.x, e.y)) << number;
        for (int n : scene.npcIndices)
            EXPECT_TRUE(s.Inside(number, s.npcs.at(static_cast<std::size_t>(n)).x, s.npcs[static_cast<std::size_t>(n)].y));
        for (int c : scene.treasureIndices)
            EXPECT_TRUE(s.Inside(number, s.chests.at(static_cast<std::size_t>(c)).x, s.chests[static_cast<std::size_t>(c)].y));
        for (const EventCommandGroup& g : scene.groups)
            for (std::string_view line : g.commands) CheckCommand(s, number, line);
    }
    int placedShops = 0;
    for (const auto& [number, scene] : s.scenes)
        for (const EventPosition& e : scene.eventPositions) placedShops += e.kind == kShopPosition;
    EXPECT_EQ(placedShops, static_cast<int>(ParseShopList(Files().Data("shop_list.txt")).size()));
    // The game starts in scene 0, with the player character inside its map.
    int start = -1;
    ParseStartGameFile(Files().Data("start_game.txt"), start);
    EXPECT_EQ(start, 0);
    const PlayerCharacter pc = ParsePlayerCharacter(Files().Data("pc.txt"));
    EXPECT_TRUE(s.Inside(0, pc.viewCellX + StartCellInView(pc).x, pc.viewCellY + StartCellInView(pc).y));
    // Ten items of every kind, six monsters; every unit's rates make 100.
    std::map<int, int> kinds;
    for (const Item& it : s.items) ++kinds[it.kind];
    for (int k = 0; k < kItemKindCount; ++k) EXPECT_EQ(kinds[k], 10) << k;
    EXPECT_EQ(ParseMonsterList(Files().Data("monster_list.txt")).size(), 6u);
    for (const EnemyUnit& u : s.units) EXPECT_TRUE(RatesTotal100(UnitFormations(u)));
    // The flags the events use are explained.
    FlagExplanations flags;
    ParseFlagExplanations(Files().Data("flag_exp.txt"), flags);
    for (int f = 0; f < 3; ++f) EXPECT_FALSE(flags.text[static_cast<std::size_t>(f)].empty()) << f;
}

TEST(SampleGame, IsWrittenOnlyIntoAnEmptyFolder) {
    test::TempDir dir;
    // A folder that does not exist yet is made.
    const fs::path fresh = dir.path() / "new" / "sample";
    ASSERT_EQ(WriteSampleGame(fresh).status, SampleWriteStatus::Written);
    EXPECT_EQ(test::ReadBytes(fresh / "data" / "scene0.txt"), Files().Data("scene0.txt"));
    EXPECT_EQ(test::ReadBytes(fresh / "prepare.txt"), Files().project.at("prepare.txt"));
    // A folder holding anything is refused and left as it was.
    const fs::path used = dir.path() / "used";
    fs::create_directory(used);
    test::WriteBytes(used / "notes.txt", "mine");
    EXPECT_EQ(WriteSampleGame(used).status, SampleWriteStatus::NotEmpty);
    EXPECT_EQ(std::distance(fs::directory_iterator(used), fs::directory_iterator()), 1);
    EXPECT_EQ(WriteSampleGame(fresh).status, SampleWriteStatus::NotEmpty);
    // A file is no folder.
    EXPECT_EQ(WriteSampleGame(used / "notes.txt").status, SampleWriteStatus::NotFolder);
    EXPECT_EQ(test::ReadBytes(used / "notes.txt"), "mine");
}

}  // namespace
}  // namespace lw
