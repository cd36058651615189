#include "app/editor_registry.h"
#include "editors/media/audio_list_editor.h"
#include "editors/rules/level_list_editor.h"
#include "editors/rules/level_up_editor.h"
#include "editors/rules/magic_list_editor.h"
#include "editors/settings/basic_settings_editor.h"
#include "editors/rules/item_list_editor.h"
#include "editors/media/image_table_editor.h"
#include "editors/settings/title_screen_editor.h"
#include "editors/media/talk_list_editor.h"
#include "editors/media/picture_list_editors.h"
#include "editors/rules/monster_list_editor.h"
#include "editors/rules/enemy_unit_editor.h"
#include "editors/scenes/scene_list_editor.h"
// placement hub
#include "editors/scenes/placement_hub.h"
// ---- event command editor ----
#include "editors/events/event_command_editor.h"
// map animations
#include "editors/scenes/map_animation_list_editor.h"
#include "editors/scenes/terrain_animation_dialog.h"
// NPCs and the player character
#include "editors/events/owner_groups.h"
#include "editors/rules/player_character_editor.h"
#include "editors/scenes/npc_editor.h"
#include "editors/rules/treasure_list_editor.h"
#include "editors/rules/shop_list_editor.h"
#include "editors/maps/map_editor.h"

namespace lw {

void RegisterEditors(EditorRegistry& registry) {
    // Each editor adds one line here: registry.Register(HubEditor::X, [](EditorContext& c, QWidget* p) { ... });
    registry.Register(HubEditor::BgmList, [](EditorContext& c, QWidget* p) { RunAudioListEditor(c, AudioList::Bgm, p); });
    registry.Register(HubEditor::SoundList, [](EditorContext& c, QWidget* p) { RunAudioListEditor(c, AudioList::Sound, p); });
    registry.Register(HubEditor::AnimeList, [](EditorContext& c, QWidget* p) { RunPreviewList<EffectListEditor>(c, p); });
    registry.Register(HubEditor::LevelList, [](EditorContext& c, QWidget* p) { RunLevelListEditor(c, p); });
    registry.Register(HubEditor::LevelUp, [](EditorContext& c, QWidget* p) { RunLevelUpEditor(c, p); });
    registry.Register(HubEditor::BasicSettings, [](EditorContext& c, QWidget* p) { RunBasicSettingsEditor(c, p); });
    registry.Register(HubEditor::ItemList, [](EditorContext& c, QWidget* p) { RunItemListEditor(c, p); });
    registry.Register(HubEditor::BackImages, [](EditorContext& c, QWidget* p) { RunImageTableEditor(c, ImageTableKind::Back, p); });
    registry.Register(HubEditor::SelectImages, [](EditorContext& c, QWidget* p) { RunImageTableEditor(c, ImageTableKind::Select, p); });
    registry.Register(HubEditor::FaceImages, [](EditorContext& c, QWidget* p) { RunPreviewList<FaceListEditor>(c, p); });
    registry.Register(HubEditor::Title, [](EditorContext& c, QWidget* p) { RunTitleScreenEditor(c, p); });
    registry.Register(HubEditor::TextList, [](EditorContext& c, QWidget* p) { RunTalkListEditor(c, p); });
    registry.Register(HubEditor::MagicList, [](EditorContext& c, QWidget* p) { RunMagicListEditor(c, p); });
    registry.Register(HubEditor::NarrationList, [](EditorContext& c, QWidget* p) { RunPreviewList<NarrationListEditor>(c, p); });
    registry.Register(HubEditor::MonsterList, [](EditorContext& c, QWidget* p) { RunMonsterListEditor(c, p); });
    registry.Register(HubEditor::EnemyUnitList, [](EditorContext& c, QWidget* p) { RunEnemyUnitListEditor(c, p); });
    registry.Register(HubEditor::SceneSettings, [](EditorContext& c, QWidget* p) { RunSceneListEditor(c, p); });
    // ---- placement hub ----
    // Modes 1 to 4 end each position in the owner form of the event command editor.
    const auto placements = [](int mode) {
        return [mode](EditorContext& c, QWidget* p) {
            PlacementSteps steps;
            steps.ownerForm = [&c](SceneCatalog& catalog, EventOwner owner, int scene, int group, QWidget* parent) {
                return EditOwnerGroups(c, catalog, owner, scene, group, parent);
            };
            EditPlacements(c, mode, steps, p);
        };
    };
    registry.Register(HubEditor::SceneChange, placements(1));
    registry.Register(HubEditor::Inn, placements(2));
    registry.Register(HubEditor::Signboard, placements(3));
    registry.Register(HubEditor::FixedBattle, placements(4));
    registry.Register(HubEditor::FieldBattle, placements(5));
    // ---- end placement hub ----
    // ---- event command editor ----
    registry.Register(HubEditor::EventCommands, [](EditorContext& c, QWidget* p) { EditSceneGroups(c, p); });
    // map animations
    registry.Register(HubEditor::MapAnimeList, [](EditorContext& c, QWidget* p) { RunMapAnimationListEditor(c, p); });
    registry.Register(HubEditor::MapAnimePlacement, [](EditorContext& c, QWidget* p) {
        EditPlacements(c, 0, PlacementSteps{.terrainAnimations = EditTerrainAnimations, .ownerForm = {}}, p);
    });
    // ---- NPCs and the player character ----
    registry.Register(HubEditor::PlayerCharacter, [](EditorContext& c, QWidget* p) { RunPlayerCharacterEditor(c, p); });
    registry.Register(HubEditor::Npc, [](EditorContext& c, QWidget* p) {
        RunNpcListEditor(c, p, [&c](SceneCatalog& catalog, int scene, int group, QWidget* owner) {
            return EditOwnerGroups(c, catalog, EventOwner::Npc, scene, group, owner);
        });
    });
    // ---- end of NPCs and the player character ----
    // Treasure chests and shops.
    registry.Register(HubEditor::TreasureChest, [](EditorContext& c, QWidget* p) { RunTreasureListEditor(c, p); });
    registry.Register(HubEditor::Shop, [](EditorContext& c, QWidget* p) { RunShopListEditor(c, p); });
    registry.Register(HubEditor::MapEditing, [](EditorContext& c, QWidget* p) { RunMapEditor(c, p); });
}

}  // namespace lw
