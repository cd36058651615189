#include "editors/media/effect_list_editor.h"

#include <QTreeWidget>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/media/effect_settings_step.h"
#include "previews/image_view.h"

namespace lw {

EffectListEditor::EffectListEditor(EditorContext& context, QWidget* parent)
    : PreviewListEditor(context, {tr("ｱﾆﾒ ﾘｽﾄ1"), RefTarget::Effect, {240, 260}, ViewMode::Animation},
                        {kEffectFile, LoadEffectList, SaveEffectList, EffectFileBytes},
                        [](const EffectAnimation& a) { return QStringList{FromCp932(EffectDisplayName(a))}; }, parent) {
    list_.SetCapacity(kEffectTableCapacity, [this] {
        if (context_.services) context_.services->Inform(this, tr("これ以上、追加できません"));
    });
    // "追加..." and "編集..." lead through the three steps; the settings step starts the others.
    OnEditStep([this](EffectAnimation& working, bool isNew) {
        return RunStep([&] { return EffectSettingsStep(context_, working, isNew, this).exec() == QDialog::Accepted; });
    });
    Load();
}

void EffectListEditor::ShowSelection() {
    ImageView& v = view();
    const EffectAnimation* selected = selectedRecord();
    v.state().animation = selected ? *selected : EffectAnimation{};
    if (!v.IsOpen()) return;
    v.RestartAnimation();
    if (selected && showChecked()) {
        v.ShowAnimationCell(this, v.state().animation.imageFile);
    } else {
        v.Hide();
    }
    panel()->view()->setFocus();
}

int RunEffectListEditor(EditorContext& context, QWidget* parent) { return RunPreviewList<EffectListEditor>(context, parent); }

}  // namespace lw
