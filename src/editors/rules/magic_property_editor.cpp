#include "editors/rules/magic_property_editor.h"
#include "app/language.h"


#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/rules/magic_rows.h"
#include "previews/image_view.h"
#include "widgets/image_chooser.h"
#include "widgets/property_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

MagicPropertyEditor::MagicPropertyEditor(EditorContext& context, const Magic& magic, int abilityMax, QWidget* parent)
    : PreviewStepDialog(context, parent), working_(magic) {
    setWindowTitle(tr("魔法ﾘｽﾄ2"));
    const PropertyDialogParts parts = AddPropertyEditor(
        this, context_, MagicRows(working_, abilityMax),
        {.lists = {{RowKind::Effect, EffectComboItems(context_.effects)},
                   {RowKind::Sound, LoadTableNames(context_.project, AudioList::Sound)}},
         .preview = [this](int row) { ShowPreview(row); }});
    properties_ = parts.properties;
    ok_ = parts.confirm;
    cancel_ = parts.cancel;
}

void MagicPropertyEditor::OpenPreview() {
    // Opened on its own (the magic list has none open): the window is this dialog's.
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::Animation, this);
    ownsPreview_ = true;
    ShowPreview(properties_->currentRow());
}

void MagicPropertyEditor::ShowPreview(int row) {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    v.StopAnimation();
    const int index = properties_->choice()->currentIndex();
    const bool show = row == kMagicAnimationRow && properties_->showImage() && MagicUsesDamageFields(working_) &&
                      index >= 0 && index < context_.effects.count();
    if (!show) {
        v.state().animate = false;
        v.Hide();
        return;
    }
    PlayEffectInPreview(v, this, context_.effects.records[static_cast<std::size_t>(index)]);
}

void MagicPropertyEditor::Leave() {
    properties_->StopPlayback();
    ImageView& v = view();
    v.StopAnimation();
    v.state().animate = false;
    if (ownsPreview_) {
        v.Close();
        v.SetMode(ViewMode::None);
    } else {
        v.Hide();
    }
}

void MagicPropertyEditor::accept() {
    properties_->Commit();
    const MagicProblem problem = CheckMagic(working_);
    if (problem != MagicProblem::None) {
        Inform(context_, this, CoreText(MagicProblemMessage(problem)));
        properties_->SelectRow(0);
        return;
    }
    LeaveAccepted();
}

}  // namespace lw
