#pragma once
// "PC": the player character (pc.txt) and the scene the game starts in (start_game.txt), edited
// through a chain of dialogs:
//   "ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定" (the main numbers and the name) -> "所持品" (belongings) -> "装備"
//   (equipment) -> "顔画像(ﾒﾆｭｰ用)" (the menu face) -> "ｷｬﾗﾁｯﾌﾟ" (the walking chip) -> "PC配置"
//   (start scene, view position and the position within the view).
// Each "次へ" stores its dialog's values into the record and opens the next dialog; a Cancel
// returns to the dialog before, which goes on with what it showed. Only the placement's OK
// completes the chain; the first dialog then writes start_game.txt and pc.txt and closes.
// Items are kept by their index in the item list (two items may share a name).

#include <functional>

#include "core/rules/player_character.h"

class QWidget;

namespace lw {

struct EditorContext;

// The steps after the first dialog, each given the record, the start scene and the dialog it opens
// over; true when the rest of the chain ended with OK.
using PcStep = std::function<bool(PlayerCharacter& pc, int& startScene, QWidget* parent)>;

// Runs the chain modally: 1 after it ended with OK and the files were written, 0 after Cancel. When
// pc.txt or start_game.txt exists but cannot be read, tells the author and returns 0 without
// opening. `chain` replaces the steps after the first dialog (by default the belongings, equipment,
// face, chip and placement dialogs).
int RunPlayerCharacterEditor(EditorContext& context, QWidget* parent, PcStep chain = {});

}  // namespace lw
