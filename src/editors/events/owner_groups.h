#pragma once
// The owner form of the event command editor: the last step of placing an NPC, a treasure chest, a
// shop, a scene change, an inn, a signpost or a fixed-position battle. The author edits the groups
// of the owner's scene (in the scene catalog, in place) and picks the group the owner runs.

#include <optional>
#include <string_view>

class QWidget;

namespace lw {

struct EditorContext;
struct SceneCatalog;

// The seven owners; each labels the owner group chooser its own way.
enum class EventOwner { Npc, Chest, SceneChange, Inn, Signpost, FixedBattle, Shop };

// The owner group chooser's label (UTF-8): "NPCｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号", "宝箱ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号", ...
std::string_view EventOwnerLabel(EventOwner owner);

// Runs the owner form on the catalog entry of `sceneNumber`, starting at `currentGroup` (-1 none).
// OK gives the owner's new group (-1 for "なし"), with the entry's groups edited in the catalog and
// flag explanations edited in context.flags; Cancel gives nullopt and puts the catalog and the flag
// explanations back as they were. A scene number without an entry says "場面番号が不正です" and
// gives nullopt.
std::optional<int> EditOwnerGroups(EditorContext& context, SceneCatalog& catalog, EventOwner owner, int sceneNumber,
                                   int currentGroup, QWidget* parent);

}  // namespace lw
