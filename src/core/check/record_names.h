#pragma once
// What a number stands for: the name of a row of any list the project's records refer to, of a
// scene by its number and of a group of a scene, so that lists and choosers can show "4 — 村長の家"
// where the files hold "4".
//
// Each list is read the first time one of its names is asked for, and only then (one read of its
// file); scenes' names come from the head of each scene file, and everything that stands in the
// scenes (groups, where NPCs, chests and shops stand) from one scene catalog, borrowed from the
// editor that has one or read once when first needed. Names are UTF-8, for the interface.
//
//   RecordNames names(project);
//   names.Text(RefTarget::Item, 3)          // "3 — 薬草 (消耗品)"
//   names.Text(RefTarget::Sound, -1)        // "(なし)"
//   names.Text(RefTarget::Monster, 999)     // "999 — (見つかりません)"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/check/reference_index.h"
#include "core/text/ui_text.h"

namespace lw {

struct Project;
struct SceneCatalog;
class SceneCatalogEntry;
struct EventCommandGroup;

// What a group is, for the author: its explanation, or its first command line when it has none
// (empty when it has neither). UTF-8.
std::string GroupLabel(const EventCommandGroup& group);

// How a reference that names nothing reads.
struct NameMarks {
    std::string none = LW_UI_TEXT("lw", "(なし)");
    std::string missing = LW_UI_TEXT("lw", "(見つかりません)");
};

class RecordNames {
public:
    // `catalog`, when given, is the scene catalog the caller holds (it must outlive this and may
    // change: it is looked at again on each question).
    explicit RecordNames(const Project& project, const SceneCatalog* catalog = nullptr);
    ~RecordNames();
    RecordNames(const RecordNames&) = delete;
    RecordNames& operator=(const RecordNames&) = delete;

    // The name of row `index` of a list target, or of scene number `index` (RefTarget::Scene):
    // nullopt when there is no such row (an index outside the list, a file missing or unreadable).
    // A row without a name gives an empty text.
    //   Item: "薬草 (消耗品)" (with its kind)   Npc: "村長: 始まりの村 (3, 4)" (with its place)
    //   Chest: "始まりの村 (8, 2): 薬草"         Shop: "道具屋: 始まりの村 (5, 3)"
    std::optional<std::string> Name(RefTarget target, int index);
    // Group `group` of scene `scene`: its explanation, or its first command line when it has none.
    std::optional<std::string> GroupName(int scene, int group);

    // A reference as the author reads it: "N — name", "N" for a row without a name, marks.none
    // when `index` is the field's none value, "N — (見つかりません)" when there is no such row.
    std::string Text(RefTarget target, int index, int none = -1);
    std::string GroupText(int scene, int group, int none = -1);
    // The text appended to a row that shows only numbers: " — name" or " — (見つかりません)".
    std::string Suffix(RefTarget target, int index, int none = -1);

    // Where row `index` of the NPC, chest or shop list stands, as the scene files say (the chest
    // with what it holds); empty when it stands nowhere or there is no such row.
    std::string WhereText(RefTarget target, int index);
    // Where something stands: "始まりの村 (8, 2)", marks.none for scene -1.
    std::string PlaceText(int scene, int x, int y);
    // What a chest standing at that place gives: "始まりの村 (8, 2): 薬草" (the first item its group
    // hands over; the place alone when its group gives none).
    std::string ChestText(int scene, int x, int y, int group);
    // The first item the group's command lines hand over, or nullopt.
    std::optional<int> GroupItem(int scene, int group);

    // The names of several rows of one list, joined: "スライム, スライム, ゴブリン".
    std::string NamesText(RefTarget target, std::span<const int> indices);
    // An item's kind as the item chooser shows it after the name: " (回復系消耗品)"; empty when
    // there is no such item.
    std::string ItemKindSuffix(int index);

    // Reads the list again when next asked (after the author changed its file).
    void Forget(RefTarget target);

    NameMarks marks;

    // The scene catalog the places and groups come from (the borrowed one, or read when first
    // needed), for a caller that needs it too.
    const SceneCatalog& Catalog();

private:
    const std::vector<std::string>* Names(RefTarget target);
    const SceneCatalogEntry* Entry(int scene);
    const std::unordered_map<int, std::string>& SceneNames();

    const Project& project_;
    const SceneCatalog* borrowed_;
    std::unique_ptr<SceneCatalog> own_;
    std::unordered_map<int, std::size_t> entryOf_;  // scene number -> catalog position
    std::vector<std::optional<std::vector<std::string>>> lists_;
    std::optional<std::unordered_map<int, std::string>> sceneNames_;
    std::vector<std::string> itemKinds_;
    std::vector<std::vector<std::string>> places_ = std::vector<std::vector<std::string>>(kRefTargetCount);  // " (kind)" of each item, read with the item names
};

}  // namespace lw
