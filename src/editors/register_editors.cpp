#include "app/editor_registry.h"
#include "editors/media/audio_list_editor.h"
#include "editors/media/effect_list_editor.h"
#include "editors/media/talk_list_editor.h"

namespace lw {

void RegisterEditors(EditorRegistry& registry) {
    // Each editor adds one line here: registry.Register(HubEditor::X, [](EditorContext& c, QWidget* p) { ... });
    registry.Register(HubEditor::BgmList, [](EditorContext& c, QWidget* p) { RunAudioListEditor(c, AudioList::Bgm, p); });
    registry.Register(HubEditor::SoundList, [](EditorContext& c, QWidget* p) { RunAudioListEditor(c, AudioList::Sound, p); });
    registry.Register(HubEditor::AnimeList, [](EditorContext& c, QWidget* p) { RunEffectListEditor(c, p); });
    registry.Register(HubEditor::TextList, [](EditorContext& c, QWidget* p) { RunTalkListEditor(c, p); });
}

}  // namespace lw
