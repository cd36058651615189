#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)": a sound effect of wave_list.txt, or "なし" (chosen at first), and when it
// plays ("ｲﾍﾞﾝﾄ前", "ｲﾍﾞﾝﾄ後" the default, "ﾌｪｰﾄﾞ"); line "wave %d %d" ("なし" after the event:
// "wave -1 1"). With "再生" checked each sound chosen is heard at once; OK and Cancel stop it.

#include <optional>
#include <string>

#include "editors/events/shared_command_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;

namespace lw {

struct CommandContext;
struct EditorContext;
class PlayOnSelect;

class PlaySoundDialog : public QDialog {
    Q_OBJECT
public:
    PlaySoundDialog(EditorContext& context, QWidget* parent = nullptr);

    // False when wave_list.txt exists but could not be read (the author has been told).
    bool opened() const { return opened_; }
    const std::string& line() const { return line_; }
    // The drop-down position less one ("なし" and no choice give -1).
    int chosenSound() const;

    QComboBox* soundChoice() const { return sound_; }
    QCheckBox* playBox() const { return play_; }
    QButtonGroup* timingChoice() const { return timing_; }
    PlayOnSelect* playOnSelect() const { return playOnSelect_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;
    void reject() override;

private:
    EditorContext& context_;
    bool opened_ = true;
    std::string line_;
    QComboBox* sound_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_;
    QButtonGroup* timing_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
