#include "editors/media/picture_list_editors.h"

#include <QTreeWidget>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/media/effect_steps.h"
#include "editors/media/narration_dialog.h"
#include "previews/image_view.h"
#include "widgets/face_dialog.h"

namespace lw {

// ---- Effect animations --------------------------------------------------------------------------

EffectListEditor::EffectListEditor(EditorContext& context, QWidget* parent)
    : PreviewListEditor(context, {tr("ｱﾆﾒ ﾘｽﾄ1"), RefTarget::Effect, {240, 260}, ViewMode::Animation},
                        {kEffectFile, LoadEffectList, SaveEffectList, EffectFileBytes},
                        [](const EffectAnimation& a) { return QStringList{FromCp932(EffectDisplayName(a))}; }, parent) {
    list_.SetCapacity(kEffectTableCapacity, [this] {
        if (context_.services) context_.services->Inform(this, tr("これ以上、追加できません"));
    });
    // "追加..." and "編集..." lead through the three steps; the settings step starts the others.
    OnEditStep([this](EffectAnimation& working, bool isNew) {
        return RunStep([&] { return RunEffectSteps(context_, working, isNew, this); });
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

// ---- Faces --------------------------------------------------------------------------------------

FaceListEditor::FaceListEditor(EditorContext& context, QWidget* parent)
    : PreviewListEditor(context, {tr("顔画像ﾘｽﾄ"), RefTarget::Face, {280, 260}, ViewMode::Animation},
                        {kFaceFile, LoadFaceList, SaveFaceList, FaceListBytes},
                        [](const FaceEntry& face) { return QStringList{FromCp932(FaceListText(face))}; }, parent) {
    OnEditStep([this](FaceEntry& face, bool) {
        return RunStep([&] { return FaceDialog(context_, FaceFieldsOf(face), this).exec() == QDialog::Accepted; });
    });
    Load();
}

void FaceListEditor::ShowSelection() {
    ImageView& v = view();
    const FaceEntry* selected = selectedRecord();
    v.state().animation = selected ? FaceAnimation(*selected) : EffectAnimation{};
    if (!v.IsOpen()) return;
    if (selected && showChecked()) {
        v.ShowAnimationCell(this, v.state().animation.imageFile);
        v.SetCaption(FromCp932(v.state().animation.imageFile));
    } else {
        v.Hide();
    }
    panel()->view()->setFocus();
}

// ---- Narrations ---------------------------------------------------------------------------------

// The list shows the picture alone (view mode none).
NarrationListEditor::NarrationListEditor(EditorContext& context, QWidget* parent)
    : PreviewListEditor(context, {tr("ﾅﾚｰｼｮﾝﾘｽﾄ1"), RefTarget::Narration, {240, 260}, ViewMode::None},
                        {kNarrationFile, LoadNarrationList, SaveNarrationList, NarrationListBytes},
                        [](const Narration& n) { return QStringList{FromCp932(NarrationLabel(n))}; }, parent) {
    OnEditStep(
        [this](Narration& working, bool) {
            return RunStep([&] { return RunNarrationDialog(context_, working, this); });
        },
        NewNarrationDefaults);
    // The basic settings give the preview its font.
    LoadGameSettings(context_.project, context_.settings);
    Load();
}

void NarrationListEditor::ShowSelection() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    const Narration* selected = selectedRecord();
    bool shown = false;
    if (selected && showChecked()) {
        const QString name = FromCp932(NarrationLabel(*selected));
        shown = v.ShowImageByName(this, name) && v.state().main.exists();
        if (shown) v.SetCaption(name);
    }
    if (shown) {
        v.Show();
    } else {
        v.Hide();
    }
    panel()->view()->setFocus();
}

}  // namespace lw
