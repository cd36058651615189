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

    QComboBox* choice() const { return audio_.choice; }

private:
    std::optional<std::string> Build() override;
    // The drop-down position less one ("なし" and no choice give -1).
    int Chosen() const;

    AudioList list_;
    CommandDialogMode mode_;
    AudioChoice audio_;
    QButtonGroup* timing_ = nullptr;  // when the sound plays; null but for the sound of an event
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

    QComboBox* faceChoice() const { return face_; }

private:
    std::optional<std::string> Build() override;
    void ShowPreview() override;
    int ChosenFace() const;

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

    NumberSpin* numberField() const { return number_; }

private:
    std::optional<std::string> Build() override;

    NumberCommand command_;
    NumberSpin* number_;
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

    NumberSpin* countField() const { return count_; }

private:
    std::optional<std::string> Build() override;

    CommandDialogMode mode_;
    NumberSpin* speed_;
    NumberSpin* x_;
    NumberSpin* y_;
    NumberSpin* count_;
    GroupChooser* group_;
};

}  // namespace lw
