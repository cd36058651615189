#include "editors/rules/magic_property_editor.h"
#include "app/language.h"

#include <algorithm>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/rules/magic_rows.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/image_chooser.h"
#include "widgets/property_editor.h"

namespace lw {

namespace {

std::vector<std::string> SoundNames(const Project& project) {
    WaveTable sounds;
    LoadWaveTable(project, sounds);
    std::vector<std::string> names;
    const int count = std::clamp(sounds.count, 0, kAudioTableCapacity);
    for (int i = 0; i < count; ++i) names.emplace_back(sounds.Name(i));
    return names;
}

}  // namespace

MagicPropertyEditor::MagicPropertyEditor(EditorContext& context, const Magic& magic, int abilityMax, QWidget* parent)
    : PreviewDialog(context, parent), working_(magic) {
    setWindowTitle(tr("魔法ﾘｽﾄ2"));
    auto* layout = new QVBoxLayout(this);
    properties_ = new PropertyEditor(context_, MagicRows(working_, abilityMax), this);
    properties_->SetListNames(RowKind::Effect, EffectComboItems(context_.effects));
    properties_->SetListNames(RowKind::Sound, SoundNames(context_.project));
    properties_->ResetChecks();
    layout->addWidget(properties_, 1);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    connect(properties_, &PropertyEditor::previewNeeded, this, [this](int row) { ShowPreview(row); });
    properties_->SelectRow(0);
}

MagicPropertyEditor::~MagicPropertyEditor() = default;

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
    v.state().animate = true;
    v.state().animation = context_.effects.records[static_cast<std::size_t>(index)];
    v.SetCursorShape(Qt::ArrowCursor);
    v.RestartAnimation();
    v.ShowAnimationCell(this, v.state().animation.imageFile);
    v.SetCaption(FromCp932(EffectDisplayName(v.state().animation)));
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
        if (context_.services) context_.services->Inform(this, CoreText(MagicProblemMessage(problem)));
        properties_->SelectRow(0);
        return;
    }
    Leave();
    done(QDialog::Accepted);
}

void MagicPropertyEditor::reject() {
    Leave();
    done(QDialog::Rejected);
}

}  // namespace lw
