#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)": a sound effect of wave_list.txt, or "なし" (chosen at first), and when it
// plays ("ｲﾍﾞﾝﾄ前", "ｲﾍﾞﾝﾄ後" the default, "ﾌｪｰﾄﾞ"); line "wave %d %d" ("なし" after the event:
// "wave -1 1"). With "再生" checked each sound chosen is heard at once; OK and Cancel stop it.

#include "editors/events/command_dialog.h"

namespace lw {

class PlaySoundDialog : public CommandDialog {
    Q_OBJECT
public:
    PlaySoundDialog(EditorContext& context, QWidget* parent = nullptr);

    // The drop-down position less one ("なし" and no choice give -1).
    int chosenSound() const;

    QComboBox* soundChoice() const { return sound_.choice; }
    QCheckBox* playBox() const { return sound_.play; }
    QButtonGroup* timingChoice() const { return timing_; }
    PlayOnSelect* playOnSelect() const { return sound_.player; }

protected:
    std::optional<std::string> Build() override;
    void Leave() override;

private:
    AudioChoice sound_;
    QButtonGroup* timing_;
};

}  // namespace lw
