#pragma once
// The music command: a BGM of the BGM list, or "なし" to stop the music. Event mode: caption
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)", line "midi %d". Talk mode: caption "会話ｺﾏﾝﾄﾞ(BGM再生)", markup
// "<midi %d>". The drop-down lists "なし" and every name of midi_list.txt, "なし" chosen; with
// "再生" checked each choice is heard at once. OK and Cancel stop the music.

#include <optional>
#include <string>

#include "editors/events/shared_command_dialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace lw {

struct EditorContext;
class PlayOnSelect;

class MusicCommandDialog : public QDialog {
    Q_OBJECT
public:
    MusicCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent = nullptr);

    CommandDialogMode mode() const { return mode_; }
    // The line built by OK (CP932); empty before.
    const std::string& line() const { return line_; }
    // The BGM chosen: the drop-down position less one ("なし" and no choice give -1).
    int chosenBgm() const;

    QComboBox* bgmChoice() const { return bgm_; }
    QCheckBox* playBox() const { return play_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;
    void reject() override;

private:
    EditorContext& context_;
    CommandDialogMode mode_;
    std::string line_;
    QComboBox* bgm_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

std::optional<std::string> RunMusicCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent);

}  // namespace lw
