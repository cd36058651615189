#include "editors/rules/magic_list_editor.h"

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/rules/magic_property_editor.h"
#include "previews/image_view.h"
#include "widgets/property_dialog.h"

namespace lw {

// "魔法ﾘｽﾄ2" shows the attack animation in this editor's preview, which stays open meanwhile.
MagicListEditor::MagicListEditor(EditorContext& context, QWidget* parent)
    : PreviewListEditor(context, {tr("魔法ﾘｽﾄ1"), RefTarget::Magic, {240, 320}, ViewMode::Animation, false},
                        {kMagicFile, LoadMagicList, SaveMagicList, MagicListBytes},
                        [](const Magic& m) { return QStringList{FromCp932(m.name)}; }, parent) {
    // The game's limits and the animations the spells choose from, as they are on disk now.
    LoadGameSettings(context_.project, context_.settings);
    const int abilityMax = MagicAbilityMaximum(context_.settings.abilityMax);
    LoadEffectTable(context_.project, context_.effects);

    OnEditStep([this, abilityMax](Magic& magic, bool) {
        MagicPropertyEditor editor(context_, magic, abilityMax, this);
        if (editor.exec() != QDialog::Accepted) {
            ShowSelection();
            return false;
        }
        magic = editor.record();
        return true;
    });
    Load();
}

void MagicListEditor::ShowSelection() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    const Magic* magic = selectedRecord();
    const bool show = showChecked() && magic != nullptr && MagicUsesDamageFields(*magic) &&
                      magic->attackAnimation >= 0 && magic->attackAnimation < context_.effects.count();
    v.StopAnimation();
    if (!show) {
        v.state().animate = false;
        v.Hide();
        return;
    }
    PlayEffectInPreview(v, this, context_.effects.records[static_cast<std::size_t>(magic->attackAnimation)]);
}

void MagicListEditor::Leave() {
    ReleaseEffectTable(context_.effects);
    ImageView& v = view();
    v.StopAnimation();
    v.state().animate = false;
    PreviewListEditor::Leave();
}

void MagicListEditor::accept() {
    if (records().empty()) return;  // OK is disabled: an empty list is never written
    PreviewListEditor::accept();
}

int RunMagicListEditor(EditorContext& context, QWidget* parent) {
    const int result = RunPreviewList<MagicListEditor>(context, parent);
    // Not opened (its file unreadable): the animations were never let go.
    ReleaseEffectTable(context.effects);
    return result;
}

}  // namespace lw
