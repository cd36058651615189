#pragma once
// "魔法ﾘｽﾄ2": one spell in the property editor. The 20 field labels stand on the left; the editing
// area on the right follows the selected label. "攻撃ｱﾆﾒ" and "全体魔法ﾌﾗｸﾞ" can be edited only
// while the spell deals damage; "画像表示" plays the chosen attack animation in the image preview,
// "MIDI・WAVE再生" plays the chosen sound effect.
//
// The dialog edits its own copy of the spell: after OK, record() is the edited spell; Cancel
// leaves the caller's spell as it was. OK refuses (with a message) only a spell the file could not
// give back: a description behind an empty name.

#include "core/rules/magic.h"
#include "widgets/preview_step_dialog.h"

class QPushButton;

namespace lw {

class PropertyEditor;

class MagicPropertyEditor : public PreviewStepDialog {
    Q_OBJECT
public:
    // `abilityMax` is the game's maximum ability value; the effect animations are those of
    // context.effects, the sound effects are read from the project on opening.
    MagicPropertyEditor(EditorContext& context, const Magic& magic, int abilityMax, QWidget* parent = nullptr);

    const Magic& record() const { return working_; }
    PropertyEditor* properties() const { return properties_; }

public slots:
    // OK: stores what the fields hold, stops playback, hides the preview and ends with 1. Cancel
    // and Escape: the same without storing; ends with 0.
    void accept() override;

private:
    void OpenPreview() override;
    void ShowPreview(int row);
    void Leave() override;

    Magic working_;
    bool ownsPreview_ = false;
    PropertyEditor* properties_;
};

}  // namespace lw
