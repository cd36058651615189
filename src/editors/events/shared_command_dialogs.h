#pragma once
// The small command dialogs shared by the event command editor and the text-list editor. Each is
// built once and runs in one of two modes: in event mode it builds an event command line
// (event_commands.h) under an "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(...)" caption; in talk mode it builds the talk markup of
// the same command (talk_markup.h) under a "会話ｺﾏﾝﾄﾞ(...)" caption. Run one with
// RunCommandDialog<FaceCommandDialog>(context, CommandDialogMode::Event, this).

#include <vector>

#include "core/events/event_commands.h"
#include "core/media/audio_lists.h"
#include "core/media/talk_markup.h"
#include "editors/events/command_dialog.h"
#include "widgets/number_spin.h"

class QLabel;
class QLineEdit;

namespace lw {

struct FaceEntry;

// The music and sound commands: a name of the BGM list (midi_list.txt) or of the sound list
// (wave_list.txt), or "なし" (chosen at first); with "再生" checked each choice is heard at once,
// and OK and Cancel stop it. The position less one is written ("なし" and no choice give -1).
//
//   Bgm, event mode    "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)", "BGM", line "midi %d"
//   Bgm, talk mode     "会話ｺﾏﾝﾄﾞ(BGM再生)", markup "<midi %d>"
//   Sound, event mode  "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)", "効果音" and when it plays ("ｲﾍﾞﾝﾄ前", "ｲﾍﾞﾝﾄ後"
//                      the default, "ﾌｪｰﾄﾞ"), line "wave %d %d" ("なし" after the event: "wave -1 1");
//                      it does not open when wave_list.txt exists but could not be read
//   Sound, talk mode   "会話ｺﾏﾝﾄﾞ(効果音再生)", markup "<wave %d>"
class AudioCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    AudioCommandDialog(EditorContext& context, AudioList list, CommandDialogMode mode, QWidget* parent = nullptr);

    CommandDialogMode mode() const { return mode_; }
    // The drop-down position less one ("なし" and no choice give -1).
    int chosen() const;

    QComboBox* choice() const { return audio_.choice; }
    QCheckBox* playBox() const { return audio_.play; }
    PlayOnSelect* playOnSelect() const { return audio_.player; }
    // When the sound plays; null but for the sound command of an event.
    QButtonGroup* timingChoice() const { return timing_; }

protected:
    std::optional<std::string> Build() override;

private:
    AudioList list_;
    CommandDialogMode mode_;
    AudioChoice audio_;
    QButtonGroup* timing_ = nullptr;
};

// The face command: a face of the face list (image_face.txt), or "なし". Event mode: caption
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話の顔画像)", line "face %d". Talk mode: caption "会話ｺﾏﾝﾄﾞ(顔画像)", markup
// "<face %d>". The drop-down lists "なし" and each face as "file left top", nothing chosen; a face
// chosen is shown in the image preview (view mode 2, exactly the face rectangle in its drawing
// mode). OK gives the position less one (nothing chosen and "なし" give -1); OK and Cancel close the
// preview and leave it in view mode 0.
class FaceCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    FaceCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent = nullptr);
    ~FaceCommandDialog() override;

    CommandDialogMode mode() const { return mode_; }
    int chosenFace() const;
    QComboBox* faceChoice() const { return face_; }

protected:
    std::optional<std::string> Build() override;
    void ShowPreview() override;

private:
    CommandDialogMode mode_;
    std::vector<FaceEntry> faces_;
    QComboBox* face_;
};

// The number dialog: one whole number, typed or spun, clamped to the command's range on OK.
//
//   NumberCommand::ExperienceUp         event mode: "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(経験点ｱｯﾌﾟ)", "上昇値", -999999..999999
//                                       (spin steps of 100), line "exp %d"
//   NumberCommand::TalkSpeed            talk mode: "会話ｺﾏﾝﾄﾞ(文字速度)", "速度", 0..100, "<speed %d>"
//   NumberCommand::TalkDeleteAnimation  talk mode: "会話ｺﾏﾝﾄﾞ(ｱﾆﾒ削除)", "ｱﾆﾒ識別番号", 0..255,
//                                       "<del_anim %d>"
//   NumberCommand::TalkWait             talk mode: "会話ｺﾏﾝﾄﾞ(待ちj時間)", unit "/10秒", 0..1000,
//                                       "<wait %d>" with the value x 100 (milliseconds)
//
// A value typed beyond the range is taken as the range's end (250 for the speed gives 100).
class NumberCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    NumberCommandDialog(EditorContext& context, NumberCommand command, QWidget* parent = nullptr);

    NumberCommand command() const { return command_; }
    CommandDialogMode mode() const { return IsTalkCommand(command_) ? CommandDialogMode::Talk : CommandDialogMode::Event; }

    NumberSpin* numberField() const { return number_; }
    QGroupBox* group() const;
    QLabel* unitLabel() const { return unit_; }  // nullptr but for the wait

protected:
    std::optional<std::string> Build() override;

private:
    NumberCommand command_;
    NumberSpin* number_;
    QLabel* unit_ = nullptr;
};

// The earthquake command. Event mode: caption "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(地震)", line "quake ..."; talk mode:
// caption "会話ｺﾏﾝﾄﾞ(地震)", markup "<quake ...>" (BuildEarthquake in both, three, four or five
// fields). "速度" 1..100 (3), "振幅" "X" -320..320 (5) and "Y" -240..240 (0), "回数" 1..100 (1), and
// the group "地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ": "なし" then the group numbers, the chosen group's explanation
// shown read-only beside "説明".
//
// `groupExplanations` are the explanations (CP932) of the groups offered, in group order: the
// current scene's groups in event mode. A text of the text list belongs to no scene, so the text
// editor offers every group number a scene can have (TalkModeGroups()).
// 256 groups without explanations.
std::vector<std::string> TalkModeGroups();

class EarthquakeCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    EarthquakeCommandDialog(EditorContext& context, CommandDialogMode mode, std::vector<std::string> groupExplanations,
                            QWidget* parent = nullptr);

    CommandDialogMode mode() const { return mode_; }
    // The values as the controls hold them now (typed text taken).
    QuakeCommand quake() const;

    NumberSpin* speedField() const { return speed_; }
    NumberSpin* xField() const { return x_; }
    NumberSpin* yField() const { return y_; }
    NumberSpin* countField() const { return count_; }
    GroupChooser* afterGroup() const { return group_; }
    QComboBox* groupChoice() const;
    QLineEdit* explanation() const;

protected:
    std::optional<std::string> Build() override;

private:
    CommandDialogMode mode_;
    NumberSpin* speed_;
    NumberSpin* x_;
    NumberSpin* y_;
    NumberSpin* count_;
    GroupChooser* group_;
};

}  // namespace lw
