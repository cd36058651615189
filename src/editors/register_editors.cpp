#include "app/editor_registry.h"
#include "editors/media/audio_list_editor.h"
#include "editors/media/effect_list_editor.h"
#include "editors/rules/level_list_editor.h"
#include "editors/rules/level_up_editor.h"
#include "editors/rules/magic_list_editor.h"
#include "editors/settings/basic_settings_editor.h"
#include "editors/rules/item_list_editor.h"
#include "editors/media/face_list_editor.h"
#include "editors/media/image_table_editor.h"
#include "editors/settings/title_screen_editor.h"
#include "editors/media/talk_list_editor.h"
#include "editors/media/narration_list_editor.h"
#include "editors/rules/monster_list_editor.h"
#include "editors/rules/enemy_unit_editor.h"
#include "editors/scenes/scene_list_editor.h"
// ---- event command editor ----
#include "editors/events/event_command_editor.h"
#include "editors/rules/treasure_list_editor.h"
#include "editors/rules/shop_list_editor.h"

namespace lw {

void RegisterEditors(EditorRegistry& registry) {
    // Each editor adds one line here: registry.Register(HubEditor::X, [](EditorContext& c, QWidget* p) { ... });
    registry.Register(HubEditor::BgmList, [](EditorContext& c, QWidget* p) { RunAudioListEditor(c, AudioList::Bgm, p); });
    registry.Register(HubEditor::SoundList, [](EditorContext& c, QWidget* p) { RunAudioListEditor(c, AudioList::Sound, p); });
    registry.Register(HubEditor::AnimeList, [](EditorContext& c, QWidget* p) { RunEffectListEditor(c, p); });
    registry.Register(HubEditor::LevelList, [](EditorContext& c, QWidget* p) { RunLevelListEditor(c, p); });
    registry.Register(HubEditor::LevelUp, [](EditorContext& c, QWidget* p) { RunLevelUpEditor(c, p); });
    registry.Register(HubEditor::BasicSettings, [](EditorContext& c, QWidget* p) { RunBasicSettingsEditor(c, p); });
    registry.Register(HubEditor::ItemList, [](EditorContext& c, QWidget* p) { RunItemListEditor(c, p); });
    registry.Register(HubEditor::BackImages, [](EditorContext& c, QWidget* p) { RunImageTableEditor(c, ImageTableKind::Back, p); });
    registry.Register(HubEditor::SelectImages, [](EditorContext& c, QWidget* p) { RunImageTableEditor(c, ImageTableKind::Select, p); });
    registry.Register(HubEditor::FaceImages, [](EditorContext& c, QWidget* p) { RunFaceListEditor(c, p); });
    registry.Register(HubEditor::Title, [](EditorContext& c, QWidget* p) { RunTitleScreenEditor(c, p); });
    registry.Register(HubEditor::TextList, [](EditorContext& c, QWidget* p) { RunTalkListEditor(c, p); });
    registry.Register(HubEditor::MagicList, [](EditorContext& c, QWidget* p) { RunMagicListEditor(c, p); });
    registry.Register(HubEditor::NarrationList, [](EditorContext& c, QWidget* p) { RunNarrationListEditor(c, p); });
    registry.Register(HubEditor::MonsterList, [](EditorContext& c, QWidget* p) { RunMonsterListEditor(c, p); });
    registry.Register(HubEditor::EnemyUnitList, [](EditorContext& c, QWidget* p) { RunEnemyUnitListEditor(c, p); });
    registry.Register(HubEditor::SceneSettings, [](EditorContext& c, QWidget* p) { RunSceneListEditor(c, p); });
    // ---- event command editor ----
    registry.Register(HubEditor::EventCommands, [](EditorContext& c, QWidget* p) { EditSceneGroups(c, p); });
    // Treasure chests and shops.
    registry.Register(HubEditor::TreasureChest, [](EditorContext& c, QWidget* p) { RunTreasureListEditor(c, p); });
    registry.Register(HubEditor::Shop, [](EditorContext& c, QWidget* p) { RunShopListEditor(c, p); });
}

}  // namespace lw
