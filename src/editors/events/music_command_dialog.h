#pragma once
// The music command: a BGM of the BGM list, or "なし" to stop the music. Event mode: caption
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)", line "midi %d". Talk mode: caption "会話ｺﾏﾝﾄﾞ(BGM再生)", markup
// "<midi %d>". The drop-down lists "なし" and every name of midi_list.txt, "なし" chosen; with
// "再生" checked each choice is heard at once. OK and Cancel stop the music.

#include "editors/events/command_dialog.h"

namespace lw {

class PlayOnSelect;

class MusicCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    MusicCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent = nullptr);

    CommandDialogMode mode() const { return mode_; }
    // The BGM chosen: the drop-down position less one ("なし" and no choice give -1).
    int chosenBgm() const;

    QComboBox* bgmChoice() const { return bgm_; }
    QCheckBox* playBox() const { return play_; }

protected:
    std::optional<std::string> Build() override;
    void Leave() override;

private:
    CommandDialogMode mode_;
    QComboBox* bgm_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_;
};

std::optional<std::string> RunMusicCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent);

}  // namespace lw
