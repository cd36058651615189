#pragma once
// The small command dialogs shared by the event command editor and the text-list editor. Each is
// built once and runs in one of two modes: in event mode it builds an event command line
// (event_commands.h) under an "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(...)" caption; in talk mode it builds the talk markup of
// the same command (talk_markup.h) under a "会話ｺﾏﾝﾄﾞ(...)" caption. Each Run function opens its
// dialog and gives the line or markup on OK; nullopt when the author cancelled or when a list the
// dialog needs could not be read (it said so and did not open).

#include <optional>
#include <string>
#include <vector>

#include "core/events/event_commands.h"
#include "core/media/audio_lists.h"
#include "core/media/talk_markup.h"
#include "editors/events/command_dialog.h"

namespace lw {

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
std::optional<std::string> RunAudioCommand(EditorContext& context, AudioList list, CommandDialogMode mode,
                                           QWidget* parent);

// The face command: a face of the face list (image_face.txt), or "なし". Event mode: caption
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話の顔画像)", line "face %d". Talk mode: caption "会話ｺﾏﾝﾄﾞ(顔画像)", markup
// "<face %d>". The drop-down lists "なし" and each face as "file left top", nothing chosen; a face
// chosen is shown in the image preview (view mode 2, exactly the face rectangle in its drawing
// mode). OK gives the position less one (nothing chosen and "なし" give -1); OK and Cancel close the
// preview and leave it in view mode 0.
std::optional<std::string> RunFaceCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent);

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
std::optional<std::string> RunNumberCommand(EditorContext& context, NumberCommand command, QWidget* parent);

// The earthquake command. Event mode: caption "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(地震)", line "quake ..."; talk mode:
// caption "会話ｺﾏﾝﾄﾞ(地震)", markup "<quake ...>" (BuildEarthquake in both, three, four or five
// fields). "速度" 1..100 (3), "振幅" "X" -320..320 (5) and "Y" -240..240 (0), "回数" 1..100 (1), and
// the group "地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ": "なし" then the group numbers, the chosen group's explanation
// shown read-only beside "説明".
//
// `groupExplanations` are the explanations (CP932) of the groups offered, in group order: the
// current scene's groups in event mode. A text of the text list belongs to no scene, so the text
// editor offers every group number a scene can have (TalkModeGroups()).
std::optional<std::string> RunEarthquakeCommand(EditorContext& context, CommandDialogMode mode,
                                                std::vector<std::string> groupExplanations, QWidget* parent);
// 256 groups without explanations.
std::vector<std::string> TalkModeGroups();

}  // namespace lw
