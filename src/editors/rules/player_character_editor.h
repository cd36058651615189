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

#include <QDialog>
#include <functional>
#include <string>

#include "core/rules/player_character.h"

namespace lw {

struct EditorContext;
class PropertyEditor;

// The steps after the belongings, each given the record, the start scene and the dialog it opens
// over; true when the rest of the chain ended with OK.
using PcStep = std::function<bool(PlayerCharacter& pc, int& startScene, QWidget* parent)>;

// "ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定".
class PlayerCharacterEditor : public QDialog {
    Q_OBJECT
public:
    explicit PlayerCharacterEditor(EditorContext& context, QWidget* parent = nullptr);

    // How reading pc.txt and start_game.txt went: an editor whose file is Unreadable does not open.
    ReadStatus loadStatus() const { return loadStatus_; }
    ReadStatus startLoadStatus() const { return startLoadStatus_; }
    int startScene() const { return startScene_; }
    PropertyEditor* properties() const { return properties_; }

    // The chain after this dialog; by default the belongings, equipment, face, chip and placement
    // dialogs. Tests may replace it.
    PcStep chain;

public slots:
    // "次へ": stores the fields and runs the chain; when it ends with OK, writes start_game.txt
    // and pc.txt and closes.
    void accept() override;

private:
    PcStep DefaultChain();

    EditorContext& context_;
    PlayerCharacter pc_;
    int startScene_ = -1;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    ReadStatus startLoadStatus_ = ReadStatus::Missing;
    PropertyEditor* properties_;
};

int RunPlayerCharacterEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
