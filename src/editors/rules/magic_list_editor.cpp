#include "editors/rules/magic_list_editor.h"

#include "app/editor_context.h"
#include "app/language.h"
#include "app/services.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/rules/magic.h"
#include "core/rules/magic_rows.h"
#include "previews/image_view.h"
#include "widgets/image_chooser.h"
#include "widgets/preview_list_editor.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/property_dialog.h"
#include "widgets/property_editor.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

// Plays attack animation `index` of `effects` in the preview of `owner` when `show` and the index
// names one; otherwise stops the preview and hides it.
void ShowAttackAnimation(ImageView& v, QWidget* owner, const EffectTable& effects, int index, bool show) {
    v.StopAnimation();
    if (!show || index < 0 || index >= effects.count()) {
        v.state().animate = false;
        v.Hide();
        return;
    }
    PlayEffectInPreview(v, owner, effects.records[static_cast<std::size_t>(index)]);
}

// "魔法ﾘｽﾄ2": one spell in the property editor. The 20 field labels stand on the left; the editing
// area on the right follows the selected label. "攻撃ｱﾆﾒ" and "全体魔法ﾌﾗｸﾞ" can be edited only
// while the spell deals damage; "画像表示" plays the chosen attack animation in the image preview,
// "MIDI・WAVE再生" plays the chosen sound effect.
//
// The dialog edits its own copy of the spell: after OK, record() is the edited spell; Cancel
// leaves the caller's spell as it was. OK refuses (with a message) only a spell the file could not
// give back: a description behind an empty name.
class MagicPropertyEditor : public PreviewStepDialog {
    Q_OBJECT
public:
    // `abilityMax` is the game's maximum ability value; the effect animations are those of
    // context.effects, the sound effects are read from the project on opening.
    MagicPropertyEditor(EditorContext& context, const Magic& magic, int abilityMax, QWidget* parent)
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

    const Magic& record() const { return working_; }

public slots:
    // OK: stores what the fields hold, stops playback, hides the preview and ends with 1. Cancel
    // and Escape: the same without storing; ends with 0.
    void accept() override {
        properties_->Commit();
        const MagicProblem problem = CheckMagic(working_);
        if (problem != MagicProblem::None) {
            Inform(context_, this, CoreText(MagicProblemMessage(problem)));
            properties_->SelectRow(0);
            return;
        }
        LeaveAccepted();
    }

private:
    void OpenPreview() override {
        // Opened on its own (the magic list has none open): the window is this dialog's.
        ImageView& v = view();
        v.Open(this);
        v.SetMode(ViewMode::Animation, this);
        ownsPreview_ = true;
        ShowPreview(properties_->currentRow());
    }
    void ShowPreview(int row) {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        ShowAttackAnimation(v, this, context_.effects, properties_->choice()->currentIndex(),
                            row == kMagicAnimationRow && properties_->showImage() && MagicUsesDamageFields(working_));
    }
    void Leave() override {
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

    Magic working_;
    bool ownsPreview_ = false;
    PropertyEditor* properties_;
};

// "魔法ﾘｽﾄ1": a list editor with the preview (widgets/preview_list_editor.h). "魔法ﾘｽﾄ2" shows the
// attack animation in this editor's preview, which stays open meanwhile.
class MagicListEditor : public PreviewListEditor<Magic> {
    Q_OBJECT
public:
    MagicListEditor(EditorContext& context, QWidget* parent)
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

public slots:
    // OK: writes magic_list.txt (after the overwrite question), stops playback, closes the preview
    // and ends with 1 whether or not the file was written. An empty list is never written.
    void accept() override {
        if (records().empty()) return;  // OK is disabled
        PreviewListEditor::accept();
    }

private:
    void ShowSelection() override {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        const Magic* magic = selectedRecord();
        ShowAttackAnimation(v, this, context_.effects, magic != nullptr ? magic->attackAnimation : -1,
                            showChecked() && magic != nullptr && MagicUsesDamageFields(*magic));
    }
    // Also stops playback and lets go of the animations the spells chose from.
    void Leave() override {
        ReleaseEffectTable(context_.effects);
        ImageView& v = view();
        v.StopAnimation();
        v.state().animate = false;
        PreviewListEditor::Leave();
    }
};

}  // namespace

int RunMagicListEditor(EditorContext& context, QWidget* parent) {
    const int result = RunPreviewList<MagicListEditor>(context, parent);
    // Not opened (its file unreadable): the animations were never let go.
    ReleaseEffectTable(context.effects);
    return result;
}

}  // namespace lw

#include "magic_list_editor.moc"
