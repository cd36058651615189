#include "app/editor_registry.h"
#include "editors/media/audio_list_editor.h"
#include "editors/media/effect_list_editor.h"
#include "editors/rules/level_list_editor.h"
#include "editors/rules/level_up_editor.h"
#include "editors/settings/basic_settings_editor.h"
#include "editors/rules/item_list_editor.h"
#include "editors/scenes/scene_list_editor.h"

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
    registry.Register(HubEditor::SceneSettings, [](EditorContext& c, QWidget* p) { RunSceneListEditor(c, p); });
}

}  // namespace lw
