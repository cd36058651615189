#include "core/check/renumber.h"

#include <algorithm>
#include <functional>

#include "core/check/line_references.h"
#include "core/events/event_commands.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "core/rules/player_character.h"
#include "core/rules/shop_list.h"
#include "core/rules/treasure_list.h"
#include "core/settings/game_settings.h"
#include "core/settings/title_screen.h"
#include "core/world/scene.h"
#include "core/world/npc_list.h"
#include "core/world/scene_catalog.h"

namespace lw {

RowRenumbering::RowRenumbering(int rows) : rows_(static_cast<std::size_t>(std::max(rows, 0))) {
    for (int i = 0; i < size(); ++i) rows_[static_cast<std::size_t>(i)] = i;
}

std::vector<int> RowRenumbering::Changed() const {
    std::vector<int> out;
    for (int i = 0; i < size(); ++i)
        if (rows_[static_cast<std::size_t>(i)] != i) out.push_back(i);
    return out;
}

void RowRenumbering::Delete(int row) {
    for (int& r : rows_) {
        if (r == row) r = -1;
        else if (r > row) --r;
    }
}

void RowRenumbering::Swap(int a, int b) {
    for (int& r : rows_) {
        if (r == a) r = b;
        else if (r == b) r = a;
    }
}

namespace {

// Which data files can refer to a list by number (besides the scene files).
std::vector<std::string_view> ReferringListFiles(RefTarget target) {
    using T = RefTarget;
    switch (target) {
    case T::Bgm: return {kSettingFile, kTalkFile, kNarrationFile, kEnemyFile, kTitleFile};
    case T::Sound: return {kSettingFile, kTalkFile, kItemFile, kMagicFile, kMonsterFile, kTreasureFile};
    case T::Talk: return {kNarrationFile};
    case T::Face: return {kTalkFile};
    case T::Effect: return {kSettingFile, kTalkFile, kItemFile, kMagicFile, kTreasureFile};
    case T::Item: return {kEnemyFile, kShopFile, kPlayerCharacterFile};
    case T::Monster: return {kEnemyFile};
    default: return {};
    }
}

bool ScenesMayRefer(RefTarget target) { return target != RefTarget::Monster && IsListTarget(target); }

// The rewrite of one file: the fields of the target it holds, mapped; a deleted row named by a
// field that has no none is a refusal at that place.
class Rewrite {
public:
    Rewrite(RefTarget target, const RowRenumbering& renumbering, std::string fileName, Renumbered& out)
        : target_(target), map_(renumbering), file_(std::move(fileName)), out_(out) {}

    // A 0-based field of `t`; `none` is the value of none, nullopt when the field has none.
    void Field(RefTarget t, int& value, std::optional<int> none, int record, const char* part, int group = -1,
               int line = -1) {
        if (t != target_) return;
        const int to = map_(value);
        if (to >= 0 || value < 0) {
            value = to;
        } else if (none) {
            value = *none;
        } else {
            Refuse(record, part, DeletedMessage(), group, line);
        }
    }
    void Optional(RefTarget t, int& value, int record, const char* part) { Field(t, value, -1, record, part); }
    // A field holding the row's number + 1, 0 for none.
    void OneBased(RefTarget t, int& value, int record, const char* part) {
        if (value <= 0) return;
        int row = value - 1;
        Field(t, row, -1, record, part);
        value = row + 1;
    }

    void Refuse(int record, const char* part, std::string message, int group = -1, int line = -1) {
        out_.refused.push_back({Severity::Error, file_, record, group, line, part ? part : "", std::move(message)});
        refused_ = true;
    }
    std::string DeletedMessage() const {
        return "it refers to the deleted " + std::string(TargetNoun(target_)) +
               " and cannot be left empty; change it first or keep the numbers as they are";
    }

    // A line or text whose number fields of the target are renumbered in place: every byte but those
    // numbers stays. nullopt when nothing changes (or a place was refused).
    std::optional<std::string> Renumber(std::string_view text, const LineScan& scan, int record, int group,
                                        int line) {
        std::string out;
        std::size_t copied = 0;
        bool changed = false;
        for (const LineReference& r : scan.references) {
            if (r.target != target_) continue;
            int value = r.index;
            Field(target_, value, r.noneAllowed ? std::optional<int>(-1) : std::nullopt, record, r.part, group, line);
            if (value == r.index) continue;
            const std::size_t at = static_cast<std::size_t>(r.field.data() - text.data());
            const std::size_t digits = r.field.find_first_of("-0123456789");
            out.append(text.substr(copied, at + digits - copied));
            out += std::to_string(value);
            copied = at + r.field.size();
            changed = true;
        }
        if (!changed) return std::nullopt;
        out.append(text.substr(copied));
        return out;
    }

    bool refused() const { return refused_; }
    const std::string& file() const { return file_; }
    RefTarget target() const { return target_; }

private:
    RefTarget target_;
    const RowRenumbering& map_;
    std::string file_;
    Renumbered& out_;
    bool refused_ = false;
};

constexpr const char* kNotEditorForm =
    "the file is not in the form its editor writes; open it in its editor, confirm, and try again";

// Reads a file into `Doc`, applies `apply` and writes it back, when writing what was read gives the
// file's own bytes (else the rewrite could change more than the numbers, and is refused).
template <class Doc>
void RewriteDocument(Rewrite& w, std::string_view bytes, const std::function<Doc(std::string_view)>& parse,
                     const std::function<std::string(const Doc&)>& write, const std::function<void(Doc&)>& apply,
                     Renumbered& out) {
    Doc doc = parse(bytes);
    if (write(doc) != bytes) {
        w.Refuse(-1, "", kNotEditorForm);
        return;
    }
    apply(doc);
    if (w.refused()) return;
    std::string after = write(doc);
    if (after != bytes) out.files.push_back(DataFileWrite::Bytes(w.file(), std::move(after)));
}

void RewriteTalk(Rewrite& w, std::string_view bytes, Renumbered& out) {
    LineScan scan;
    RewriteDocument<std::vector<std::string>>(
        w, bytes, ParseTalkList, TalkListBytes,
        [&](std::vector<std::string>& texts) {
            for (std::size_t i = 0; i < texts.size(); ++i) {
                ScanTalkText(texts[i], scan);
                const int record = static_cast<int>(i);
                std::optional<std::string> text = w.Renumber(texts[i], scan, record, -1, -1);
                if (!text) continue;
                if (!TalkTextFits(*text))
                    w.Refuse(record, "", "the text would grow past " + std::to_string(kTalkTextBytes) + " bytes");
                else
                    texts[i] = std::move(*text);
            }
        },
        out);
}

void RenumberLines(Rewrite& w, std::vector<EventCommandGroup>& groups) {
    LineScan scan;
    const LineLimits limits;
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        CommandLines& lines = groups[static_cast<std::size_t>(g)].commands;
        for (std::size_t l = 0; l < lines.size(); ++l) {
            ScanEventLine(lines[l], limits, scan);
            const int line = static_cast<int>(l);
            std::optional<std::string> renumbered = w.Renumber(lines[l], scan, -1, g, line);
            if (!renumbered) continue;
            if (StoredEventCommandLine(*renumbered).size() != renumbered->size())
                w.Refuse(-1, "", "the command line would grow past " + std::to_string(kEventCommandStoredBytes) +
                                     " bytes; shorten it first", g, line);
            else
                lines.Set(l, *renumbered);
        }
    }
}

void RewriteScene(Rewrite& w, std::string_view bytes, const RenumberOptions& options, Renumbered& out) {
    RewriteDocument<Scene>(
        w, bytes,
        [](std::string_view b) {
            Scene s;
            ParseScene(b, s);
            return s;
        },
        SceneBytes,
        [&](Scene& s) {
            w.Optional(RefTarget::Bgm, s.bgmIndex, -1, "BGM");
            for (int i = 0; i < s.battleCount(); ++i)
                w.Field(RefTarget::EnemyUnit, s.battles[static_cast<std::size_t>(i)].enemyUnit, std::nullopt, i,
                        "battle");
            if (!options.sceneRowsRebuilt) {
                for (int i = 0; i < s.npcCount(); ++i)
                    w.Field(RefTarget::Npc, s.npcIndices[static_cast<std::size_t>(i)], std::nullopt, i, "NPC list");
                for (int i = 0; i < s.treasureCount(); ++i)
                    w.Field(RefTarget::Chest, s.treasureIndices[static_cast<std::size_t>(i)], std::nullopt, i,
                            "chest list");
                for (int i = 0; i < s.eventPositionCount(); ++i) {
                    EventPosition& p = s.eventPositions[static_cast<std::size_t>(i)];
                    if (p.kind == kShopPosition) w.Field(RefTarget::Shop, p.shopIndex, std::nullopt, i, "shop");
                }
            }
            RenumberLines(w, s.groups);
        },
        out);
}

void RewriteListFile(Rewrite& w, std::string_view name, std::string_view bytes, Renumbered& out) {
    using T = RefTarget;
    if (name == kSettingFile) {
        RewriteDocument<GameSettings>(
            w, bytes,
            [](std::string_view b) {
                GameSettings s;
                ParseGameSettings(b, s);
                return s;
            },
            GameSettingsBytes,
            [&](GameSettings& s) {
                for (auto [value, part] : {std::pair{&s.effectArrowTalk, "talk arrow animation"},
                                           {&s.effectArrowMenuUp, "menu up arrow animation"},
                                           {&s.effectArrowMenuDown, "menu down arrow animation"},
                                           {&s.effectBareHand, "bare-hand animation"}})
                    w.Optional(T::Effect, *value, -1, part);
                for (auto [value, part] :
                     {std::pair{&s.soundBareHand, "bare-hand sound"}, {&s.soundBattleItem, "battle item sound"},
                      {&s.soundBattleLevelUp, "level-up sound"}, {&s.soundPoison, "poison sound"},
                      {&s.soundEquip, "equip sound"}, {&s.soundUnequip, "unequip sound"},
                      {&s.criticalSoundEffect, "critical hit sound"}})
                    w.Optional(T::Sound, *value, -1, part);
                w.Optional(T::Bgm, s.bgmLevelUp, -1, "level-up BGM");
                w.Optional(T::Bgm, s.bgmGameOver, -1, "game-over BGM");
            },
            out);
    } else if (name == kTalkFile) {
        RewriteTalk(w, bytes, out);
    } else if (name == kNarrationFile) {
        RewriteDocument<std::vector<Narration>>(
            w, bytes, ParseNarrationList, NarrationListBytes,
            [&](std::vector<Narration>& list) {
                for (std::size_t i = 0; i < list.size(); ++i) {
                    w.Optional(T::Talk, list[i].text, static_cast<int>(i), "text");
                    w.Optional(T::Bgm, list[i].bgm, static_cast<int>(i), "BGM");
                }
            },
            out);
    } else if (name == kItemFile) {
        RewriteDocument<std::vector<Item>>(
            w, bytes, ParseItemList, ItemListBytes,
            [&](std::vector<Item>& items) {
                for (std::size_t i = 0; i < items.size(); ++i) {
                    Item& it = items[i];
                    const int r = static_cast<int>(i);
                    if (KindUsesWeaponAnimation(it.kind)) w.Optional(T::Effect, it.weaponAnimation, r, "weapon animation");
                    if (it.sound >= 0) w.Field(T::Sound, it.sound, kItemSoundNone, r, "sound");
                }
            },
            out);
    } else if (name == kMagicFile) {
        RewriteDocument<std::vector<Magic>>(
            w, bytes, ParseMagicList, MagicListBytes,
            [&](std::vector<Magic>& spells) {
                for (std::size_t i = 0; i < spells.size(); ++i) {
                    Magic& m = spells[i];
                    const int r = static_cast<int>(i);
                    if (MagicUsesDamageFields(m)) w.Optional(T::Effect, m.attackAnimation, r, "attack animation");
                    w.Optional(T::Sound, m.sound, r, "sound");
                }
            },
            out);
    } else if (name == kMonsterFile) {
        RewriteDocument<std::vector<Monster>>(
            w, bytes, ParseMonsterList, MonsterListBytes,
            [&](std::vector<Monster>& monsters) {
                for (std::size_t i = 0; i < monsters.size(); ++i)
                    w.Optional(T::Sound, monsters[i].normalSound, static_cast<int>(i), "attack sound");
            },
            out);
    } else if (name == kEnemyFile) {
        RewriteDocument<std::vector<EnemyUnit>>(
            w, bytes, ParseEnemyList, EnemyListBytes,
            [&](std::vector<EnemyUnit>& units) {
                for (std::size_t i = 0; i < units.size(); ++i) {
                    const int r = static_cast<int>(i);
                    std::vector<Formation> rows = UnitFormations(units[i]);
                    for (Formation& form : rows) {
                        for (int& m : form.monster) w.OneBased(T::Monster, m, r, "formation monster");
                        w.Optional(T::Item, form.item, r, "formation item");
                        w.Optional(T::Bgm, form.bgm, r, "formation BGM");
                    }
                    if (rows != UnitFormations(units[i])) SetUnitFormations(units[i], rows);
                }
            },
            out);
    } else if (name == kTreasureFile) {
        RewriteDocument<std::vector<TreasureChest>>(
            w, bytes, ParseTreasureList, TreasureListBytes,
            [&](std::vector<TreasureChest>& chests) {
                for (std::size_t i = 0; i < chests.size(); ++i) {
                    w.Optional(T::Effect, chests[i].animation, static_cast<int>(i), "animation");
                    w.Optional(T::Sound, chests[i].soundEffect, static_cast<int>(i), "sound");
                }
            },
            out);
    } else if (name == kShopFile) {
        RewriteDocument<std::vector<Shop>>(
            w, bytes, ParseShopList, ShopListBytes,
            [&](std::vector<Shop>& shops) {
                for (std::size_t i = 0; i < shops.size(); ++i) {
                    std::vector<int> goods = ShopGoods(shops[i]);
                    for (int& item : goods) w.Field(T::Item, item, std::nullopt, static_cast<int>(i), "goods");
                    if (goods != ShopGoods(shops[i])) SetShopGoods(shops[i], goods);
                }
            },
            out);
    } else if (name == kPlayerCharacterFile) {
        RewriteDocument<PlayerCharacter>(
            w, bytes, ParsePlayerCharacter, PlayerCharacterBytes,
            [&](PlayerCharacter& pc) {
                for (int& slot : pc.equipment) w.OneBased(T::Item, slot, -1, "equipment");
                for (PcBelonging& b : pc.belongings) w.OneBased(T::Item, b.item, -1, "belongings");
            },
            out);
    } else if (name == kTitleFile) {
        RewriteDocument<TitleScreen>(
            w, bytes,
            [](std::string_view b) {
                TitleScreen t;
                ParseTitleScreen(b, t);
                return t;
            },
            TitleScreenBytes, [&](TitleScreen& t) { w.Optional(T::Bgm, t.bgm, -1, "BGM"); }, out);
    } else {
        w.Refuse(-1, "", "the file refers to the list in a way that cannot be renumbered");
    }
}

}  // namespace

Renumbered RenumberReferences(const Project& project, const ProjectIndex& index, RefTarget target,
                              const RowRenumbering& renumbering, const RenumberOptions& options) {
    Renumbered out;
    const ReferenceIndex& refs = index.references;
    // The files to rewrite: those that refer to a number that changes, each once, in file order.
    std::vector<char> touched(static_cast<std::size_t>(refs.FileCount()), 0);
    for (int n : renumbering.Changed())
        for (const Reference* r : refs.ReferencesTo(target, n)) touched[static_cast<std::size_t>(r->file)] = 1;
    const std::string_view ownFile = ListFileOf(target);
    for (int f = 0; f < refs.FileCount(); ++f) {
        if (!touched[static_cast<std::size_t>(f)]) continue;
        const std::string& name = refs.FileName(f);
        if (name == ownFile) continue;
        const bool scene = index.SceneByFile(f) != nullptr;
        // The scene rows a placed list rebuilds itself are left to it.
        Rewrite w(target, renumbering, name, out);
        const FileBytes file = ReadFileBytes(DataFilePath(project, name), kListFileCeiling);
        if (!file.ok()) {
            w.Refuse(-1, "", "the file could not be read again; make it readable and try again");
            continue;
        }
        if (scene)
            RewriteScene(w, file.bytes, options, out);
        else
            RewriteListFile(w, name, file.bytes, out);
    }
    return out;
}

std::vector<Problem> RenumberGroupLines(std::vector<EventCommandGroup>& groups, std::string_view fileName,
                                        RefTarget target, const RowRenumbering& renumbering) {
    Renumbered out;
    std::vector<EventCommandGroup> renumbered = groups;
    Rewrite w(target, renumbering, std::string(fileName), out);
    RenumberLines(w, renumbered);
    if (out.ok()) groups = std::move(renumbered);
    return std::move(out.refused);
}

int CountReferencesTo(const ReferenceIndex& index, RefTarget target, std::span<const int> numbers,
                      const RenumberOptions& options) {
    int n = 0;
    for (int number : numbers)
        for (const Reference* r : index.ReferencesTo(target, number))
            if (!options.sceneRowsRebuilt || r->group >= 0) ++n;
    return n;
}

int CountHeldReferences(std::span<const HeldReference> held, std::span<const int> numbers) {
    int n = 0;
    for (const HeldReference& r : held)
        if (std::find(numbers.begin(), numbers.end(), r.number) != numbers.end()) ++n;
    return n;
}

std::vector<HeldReference> TerrainBattleReferences(const ChipGrid& grid, std::string_view fileName) {
    std::vector<HeldReference> out;
    for (int row = 0; row < kChipGridSize; ++row)
        for (int col = 0; col < kChipGridSize; ++col) {
            const int value = grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            if (value > 0)
                out.push_back({value - 1, {Severity::Warning, std::string(fileName), row * kChipGridSize + col, -1, -1,
                                           "terrain battle", {}}});
        }
    return out;
}

void RenumberTerrainBattles(ChipGrid& grid, const RowRenumbering& battles) {
    for (auto& row : grid)
        for (int& value : row)
            if (value > 0 && value <= battles.size()) value = battles(value - 1) + 1;
}

namespace {

// The scene's groups followed by the hidden ones: the numbering the group references use.
std::vector<EventCommandGroup> AllGroups(const SceneGroupHolders& h) {
    std::vector<EventCommandGroup> all = h.scene->groups;
    if (h.hidden) all.insert(all.end(), h.hidden->begin(), h.hidden->end());
    return all;
}

// The rows of a placed list (NPCs or chests) whose group is of the scene, each once.
std::vector<int> PlacedRows(const std::vector<int>& indices, std::size_t rows) {
    std::vector<int> out;
    for (int i : indices)
        if (i >= 0 && static_cast<std::size_t>(i) < rows && std::find(out.begin(), out.end(), i) == out.end())
            out.push_back(i);
    return out;
}

// Calls `each(row, group)` for every row of the NPC or chest list `bytes` the scene lists. With
// `write`, the groups `each` changed are written back into `bytes`; false when the file is not in
// the form its editor writes (nothing changed then).
template <class Row>
bool ForPlacedGroups(std::string& bytes, std::vector<Row> (*parse)(std::string_view),
                     std::string (*write)(const std::vector<Row>&), const std::vector<int>& indices, bool rewrite,
                     const std::function<void(int, int&)>& each) {
    std::vector<Row> rows = parse(bytes);
    if (rewrite && write(rows) != bytes) return false;
    for (int i : PlacedRows(indices, rows.size())) each(i, rows[static_cast<std::size_t>(i)].group);
    if (rewrite) bytes = write(rows);
    return true;
}

}  // namespace

std::vector<HeldReference> SceneGroupReferences(const SceneGroupHolders& h) {
    std::vector<HeldReference> out;
    auto add = [&](int group, std::string file, int record, const char* part, int g = -1, int line = -1) {
        if (group >= 0) out.push_back({group, {Severity::Warning, std::move(file), record, g, line, part, {}}});
    };
    const Scene& scene = *h.scene;
    for (int i = 0; i < scene.sceneChangeCount(); ++i) add(scene.sceneChanges[static_cast<std::size_t>(i)].group, h.fileName, i, "exit");
    static const char* const kKinds[] = {"shop", "inn", "signpost", "fixed battle"};
    for (int i = 0; i < scene.eventPositionCount(); ++i) {
        const EventPosition& p = scene.eventPositions[static_cast<std::size_t>(i)];
        add(p.group, h.fileName, i, p.kind >= 0 && p.kind <= 3 ? kKinds[p.kind] : "event position");
    }
    const std::vector<EventCommandGroup> all = AllGroups(h);
    LineScan scan;
    const LineLimits limits;
    for (std::size_t g = 0; g < all.size(); ++g)
        for (std::size_t l = 0; l < all[g].commands.size(); ++l) {
            ScanEventLine(all[g].commands[l], limits, scan);
            for (const LineReference& r : scan.references)
                if (r.target == RefTarget::Group) add(r.index, h.fileName, -1, r.part, static_cast<int>(g), static_cast<int>(l));
        }
    if (h.npcList)
        ForPlacedGroups<Npc>(*h.npcList, ParseNpcList, NpcListBytes, scene.npcIndices, false,
                             [&](int row, int& group) { add(group, std::string(kNpcFile), row, "group"); });
    if (h.chestList)
        ForPlacedGroups<TreasureChest>(*h.chestList, ParseTreasureList, TreasureListBytes, scene.treasureIndices, false,
                                       [&](int row, int& group) { add(group, std::string(kTreasureFile), row, "group"); });
    return out;
}

std::vector<Problem> RenumberSceneGroups(SceneGroupHolders& h, const RowRenumbering& groups) {
    Renumbered out;
    Scene scene = *h.scene;
    std::vector<EventCommandGroup> all = AllGroups(h);
    Rewrite w(RefTarget::Group, groups, h.fileName, out);
    RenumberLines(w, all);
    for (SceneChange& c : scene.sceneChanges) w.Optional(RefTarget::Group, c.group, -1, "exit");
    for (EventPosition& p : scene.eventPositions) w.Optional(RefTarget::Group, p.group, -1, "event position");
    std::string npcs = h.npcList ? *h.npcList : std::string(), chests = h.chestList ? *h.chestList : std::string();
    auto follow = [&](int, int& group) { w.Optional(RefTarget::Group, group, -1, "group"); };
    if (h.npcList && !ForPlacedGroups<Npc>(npcs, ParseNpcList, NpcListBytes, scene.npcIndices, true, follow))
        out.refused.push_back({Severity::Error, std::string(kNpcFile), -1, -1, -1, "", kNotEditorForm});
    if (h.chestList &&
        !ForPlacedGroups<TreasureChest>(chests, ParseTreasureList, TreasureListBytes, scene.treasureIndices, true, follow))
        out.refused.push_back({Severity::Error, std::string(kTreasureFile), -1, -1, -1, "", kNotEditorForm});
    if (!out.ok()) return std::move(out.refused);
    const std::size_t shown = scene.groups.size();
    scene.groups.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(shown));
    if (h.hidden) h.hidden->assign(all.begin() + static_cast<std::ptrdiff_t>(shown), all.end());
    *h.scene = std::move(scene);
    if (h.npcList) *h.npcList = std::move(npcs);
    if (h.chestList) *h.chestList = std::move(chests);
    return {};
}

bool MayBeReferred(const Project& project, RefTarget target) {
    for (std::string_view f : ReferringListFiles(target))
        if (DataFileExists(project, f)) return true;
    return ScenesMayRefer(target) && !ListSceneFiles(project).empty();
}

}  // namespace lw
