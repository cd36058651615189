#include "core/check/record_names.h"

#include <algorithm>
#include <charconv>

#include "core/events/event_commands.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/media/image_lists.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "core/rules/shop_list.h"
#include "core/rules/treasure_list.h"
#include "core/text/cp932.h"
#include "core/world/npc_list.h"
#include "core/world/scene_catalog.h"

namespace lw {

namespace {

constexpr std::string_view kDash = " \u2014 ";

// The scene's name from the head of its file: "<scene_name>" is the second section, so the first
// block of the file nearly always holds it; a file whose head does not is read whole.
std::string SceneNameOf(const Project& project, std::string_view fileName) {
    const auto path = DataFilePath(project, fileName);
    auto find = [](std::string_view bytes) -> std::optional<std::string_view> {
        constexpr std::string_view tag = "<scene_name>";
        std::size_t at = bytes.find(tag);
        while (at != std::string_view::npos && at != 0 && bytes[at - 1] != '\n') at = bytes.find(tag, at + 1);
        if (at == std::string_view::npos) return std::nullopt;
        std::size_t start = bytes.find('\n', at);
        if (start == std::string_view::npos) return std::nullopt;
        ++start;
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) return std::nullopt;  // the line may go on past the head
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.starts_with("</scene_name>")) return std::string_view();
        return line;
    };
    std::string head(2048, '\0');
    std::size_t got = 0;
    {
        ReadableFile file(path, kListFileCeiling);
        if (file.status != ReadStatus::Ok || !file.ReadUpTo(head.data(), head.size(), got)) return {};
        head.resize(got);
        if (auto name = find(head)) return Cp932ToUtf8Lossy(CutToBytes(*name, kSceneNameBytes));
        if (got < 2048) return {};
    }
    FileBytes whole = ReadFileBytes(path, kListFileCeiling);
    if (auto name = whole.ok() ? find(whole.bytes) : std::nullopt)
        return Cp932ToUtf8Lossy(CutToBytes(*name, kSceneNameBytes));
    return {};
}

template <class T, class F>
std::vector<std::string> NamesOf(const std::vector<T>& rows, F&& name) {
    std::vector<std::string> out;
    out.reserve(rows.size());
    for (const T& r : rows) out.push_back(name(r));
    return out;
}

std::vector<std::string> Utf8(const std::vector<std::string>& cp932) {
    return NamesOf(cp932, [](const std::string& s) { return Cp932ToUtf8Lossy(s); });
}

}  // namespace

RecordNames::RecordNames(const Project& project, const SceneCatalog* catalog)
    : project_(project), borrowed_(catalog), lists_(kRefTargetCount) {}

RecordNames::~RecordNames() {
    if (own_) FreeSceneCatalog(*own_);
}

void RecordNames::Forget(RefTarget target) {
    lists_[static_cast<std::size_t>(target)].reset();
    if (target == RefTarget::Item) itemKinds_.clear();
    places_[static_cast<std::size_t>(target)].clear();
    if (target == RefTarget::Scene) sceneNames_.reset();
}

const SceneCatalog& RecordNames::Catalog() {
    if (borrowed_) return *borrowed_;
    if (!own_) {
        own_ = std::make_unique<SceneCatalog>();
        LoadSceneCatalog(project_, *own_);
    }
    return *own_;
}

const SceneCatalogEntry* RecordNames::Entry(int scene) {
    const SceneCatalog& catalog = Catalog();
    auto valid = [&](std::size_t at) {
        return at < catalog.entries.size() && catalog.entries[at].sceneNumber == scene;
    };
    auto it = entryOf_.find(scene);
    if (it == entryOf_.end() || !valid(it->second)) {
        // The catalog is new or has changed: number its entries again (the first of a number wins).
        entryOf_.clear();
        for (std::size_t i = catalog.entries.size(); i-- > 0;) entryOf_[catalog.entries[i].sceneNumber] = i;
        it = entryOf_.find(scene);
        if (it == entryOf_.end()) return nullptr;
    }
    return &catalog.entries[it->second];
}

const std::unordered_map<int, std::string>& RecordNames::SceneNames() {
    if (!sceneNames_) {
        sceneNames_.emplace();
        for (const SceneFileEntry& f : ListSceneFiles(project_))
            if (!sceneNames_->contains(f.sceneNumber)) sceneNames_->emplace(f.sceneNumber, SceneNameOf(project_, f.fileName));
    }
    return *sceneNames_;
}

const std::vector<std::string>* RecordNames::Names(RefTarget target) {
    auto& slot = lists_[static_cast<std::size_t>(target)];
    if (slot) return &*slot;
    std::vector<std::string> names;
    switch (target) {
    case RefTarget::Bgm: names = Utf8(LoadTableNames(project_, AudioList::Bgm)); break;
    case RefTarget::Sound: names = Utf8(LoadTableNames(project_, AudioList::Sound)); break;
    case RefTarget::Talk: {
        std::vector<std::string> texts;
        LoadTalkList(project_, texts);
        names = NamesOf(texts, [](const std::string& t) { return Cp932ToUtf8Lossy(TalkListLabel(t)); });
        break;
    }
    case RefTarget::Face: {
        std::vector<FaceEntry> faces;
        LoadFaceList(project_, faces);
        names = NamesOf(faces, [](const FaceEntry& f) { return Cp932ToUtf8Lossy(FaceComboText(f)); });
        break;
    }
    case RefTarget::Effect: {
        std::vector<EffectAnimation> effects;
        LoadEffectList(project_, effects);
        names = NamesOf(effects, [](const EffectAnimation& a) { return Cp932ToUtf8Lossy(EffectDisplayName(a)); });
        break;
    }
    case RefTarget::Narration: {
        std::vector<Narration> narrations;
        LoadNarrationList(project_, narrations);
        names = NamesOf(narrations, [](const Narration& n) { return Cp932ToUtf8Lossy(NarrationLabel(n)); });
        break;
    }
    case RefTarget::Item: {
        std::vector<Item> items;
        LoadItemList(project_, items);
        const auto& kinds = ItemKindNames();
        itemKinds_ = NamesOf(items, [&](const Item& i) {
            return i.kind >= 0 && i.kind < static_cast<int>(kinds.size())
                       ? " (" + Cp932ToUtf8Lossy(kinds[static_cast<std::size_t>(i.kind)]) + ")"
                       : std::string();
        });
        for (std::size_t i = 0; i < items.size(); ++i) names.push_back(Cp932ToUtf8Lossy(items[i].name) + itemKinds_[i]);
        break;
    }
    case RefTarget::Magic: {
        std::vector<std::string> magic;
        LoadMagicNames(project_, magic);
        names = Utf8(magic);
        break;
    }
    case RefTarget::Monster: {
        std::vector<Monster> monsters;
        LoadMonsterList(project_, monsters);
        names = NamesOf(monsters, [](const Monster& m) { return Cp932ToUtf8Lossy(m.name); });
        break;
    }
    case RefTarget::EnemyUnit: {
        std::vector<EnemyUnitChoice> units;
        LoadEnemyUnitChoices(project_, units);
        names = NamesOf(units, [](const EnemyUnitChoice& u) { return Cp932ToUtf8Lossy(u.text); });
        break;
    }
    case RefTarget::Npc: {
        std::vector<Npc> npcs;
        LoadNpcList(project_, npcs);
        const std::vector<int> scenes = npcs.empty() ? std::vector<int>{} : PlacedScenes(Catalog(), SceneList::Npc, npcs.size());
        auto& places = places_[static_cast<std::size_t>(target)];
        places.clear();
        for (std::size_t i = 0; i < npcs.size(); ++i) {
            places.push_back(scenes[i] >= 0 ? PlaceText(scenes[i], npcs[i].x, npcs[i].y) : std::string());
            names.push_back(Cp932ToUtf8Lossy(npcs[i].displayName) + (places[i].empty() ? "" : ": " + places[i]));
        }
        break;
    }
    case RefTarget::Chest: {
        std::vector<TreasureChest> chests;
        LoadTreasureList(project_, chests);
        const std::vector<int> scenes =
            chests.empty() ? std::vector<int>{} : PlacedScenes(Catalog(), SceneList::Chest, chests.size());
        auto& places = places_[static_cast<std::size_t>(target)];
        places.clear();
        for (std::size_t i = 0; i < chests.size(); ++i) {
            places.push_back(scenes[i] >= 0 ? ChestText(scenes[i], chests[i].x, chests[i].y, chests[i].group) : std::string());
            names.push_back(places.back());
        }
        break;
    }
    case RefTarget::Shop: {
        std::vector<Shop> shops;
        LoadShopList(project_, shops);
        const auto places = shops.empty() ? std::vector<std::optional<ShopPlacement>>{} : ShopPlacements(Catalog(), shops.size());
        auto& where = places_[static_cast<std::size_t>(target)];
        where.clear();
        for (std::size_t i = 0; i < shops.size(); ++i) {
            where.push_back(places[i] ? PlaceText(places[i]->scene, places[i]->x, places[i]->y) : std::string());
            names.push_back(Cp932ToUtf8Lossy(ShopRowText(shops[i])) + (where[i].empty() ? "" : ": " + where[i]));
        }
        break;
    }
    default: return nullptr;
    }
    slot = std::move(names);
    return &*slot;
}

std::optional<std::string> RecordNames::Name(RefTarget target, int index) {
    if (index < 0) return std::nullopt;
    if (target == RefTarget::Scene) {
        const auto& scenes = SceneNames();
        auto it = scenes.find(index);
        if (it == scenes.end()) return std::nullopt;
        return it->second;
    }
    const std::vector<std::string>* names = Names(target);
    if (!names || index >= static_cast<int>(names->size())) return std::nullopt;
    return (*names)[static_cast<std::size_t>(index)];
}

std::optional<std::string> RecordNames::GroupName(int scene, int group) {
    const SceneCatalogEntry* entry = group >= 0 ? Entry(scene) : nullptr;
    if (!entry || group >= entry->groupCount()) return std::nullopt;
    return GroupLabel(entry->groups()[static_cast<std::size_t>(group)]);
}

std::string GroupLabel(const EventCommandGroup& group) {
    if (!group.explanation.empty()) return Cp932ToUtf8Lossy(group.explanation);
    for (std::string_view line : group.commands)
        if (!line.empty()) return Cp932ToUtf8Lossy(line);
    return std::string();
}

std::string RecordNames::NamesText(RefTarget target, std::span<const int> indices) {
    std::string text;
    for (int index : indices) {
        if (!text.empty()) text += ", ";
        const std::optional<std::string> name = Name(target, index);
        text += !name ? std::to_string(index) + " " + marks.missing : name->empty() ? std::to_string(index) : *name;
    }
    return text;
}

std::string RecordNames::ItemKindSuffix(int index) {
    Names(RefTarget::Item);
    return index >= 0 && index < static_cast<int>(itemKinds_.size()) ? itemKinds_[static_cast<std::size_t>(index)]
                                                                      : std::string();
}

namespace {
std::string Joined(int index, const std::optional<std::string>& name, const NameMarks& marks) {
    std::string text = std::to_string(index);
    if (!name) return text.append(kDash).append(marks.missing);
    if (!name->empty()) text.append(kDash).append(*name);
    return text;
}
}  // namespace

std::string RecordNames::Text(RefTarget target, int index, int none) {
    if (index == none) return marks.none;
    return Joined(index, Name(target, index), marks);
}

std::string RecordNames::GroupText(int scene, int group, int none) {
    if (group == none) return marks.none;
    return Joined(group, GroupName(scene, group), marks);
}

std::string RecordNames::Suffix(RefTarget target, int index, int none) {
    if (index == none) return std::string(kDash).append(marks.none);
    const std::optional<std::string> name = Name(target, index);
    if (!name) return std::string(kDash).append(marks.missing);
    return name->empty() ? std::string() : std::string(kDash).append(*name);
}

std::string RecordNames::WhereText(RefTarget target, int index) {
    if (target != RefTarget::Npc && target != RefTarget::Chest && target != RefTarget::Shop) return {};
    Names(target);
    const auto& places = places_[static_cast<std::size_t>(target)];
    return index >= 0 && index < static_cast<int>(places.size()) ? places[static_cast<std::size_t>(index)] : std::string();
}

std::string RecordNames::PlaceText(int scene, int x, int y) {
    if (scene < 0) return marks.none;
    const std::optional<std::string> name = Name(RefTarget::Scene, scene);
    std::string text = !name ? std::to_string(scene) + " " + marks.missing : name->empty() ? std::to_string(scene) : *name;
    return text + " (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::optional<int> RecordNames::GroupItem(int scene, int group) {
    const SceneCatalogEntry* entry = group >= 0 ? Entry(scene) : nullptr;
    if (!entry || group >= entry->groupCount()) return std::nullopt;
    for (std::string_view line : entry->groups()[static_cast<std::size_t>(group)].commands) {
        // "item%d %d %d": an item handed over ("item%d -%d %d" takes it away).
        if (!line.starts_with("item") || RecognizeEventCommand(line) != EventCommandKind::AddRemoveItems) continue;
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos || blank + 1 >= line.size() || line[blank + 1] == '-') continue;
        int item = -1;
        const auto [end, ec] = std::from_chars(line.data() + 4, line.data() + blank, item);
        if (ec == std::errc() && end == line.data() + blank && item >= 0) return item;
    }
    return std::nullopt;
}

std::string RecordNames::ChestText(int scene, int x, int y, int group) {
    std::string text = PlaceText(scene, x, y);
    if (scene < 0) return text;
    if (const std::optional<int> item = GroupItem(scene, group)) {
        const std::optional<std::string> name = Name(RefTarget::Item, *item);
        text.append(": ");
        if (!name) {
            text.append(std::to_string(*item)).append(" ").append(marks.missing);
        } else {
            // The item's name without its kind: a chest holds one thing.
            const std::size_t kind = name->rfind(" (");
            text.append(kind == std::string::npos ? *name : name->substr(0, kind));
        }
    }
    return text;
}

}  // namespace lw
