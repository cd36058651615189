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
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/rules/items.h"
#include "core/rules/player_character.h"
#include "widgets/record_list.h"

class QComboBox;
class QPushButton;
class QTreeWidget;

namespace lw {

struct EditorContext;
class ListEditorPanel;
class NumberSpin;
class PropertyEditor;

// The steps after the belongings, each given the record, the start scene and the dialog it opens
// over; true when the rest of the chain ended with OK.
using PcStep = std::function<bool(PlayerCharacter& pc, int& startScene, QWidget* parent)>;

// "所持品": the belongings as a table of (item, count) rows.
class PcBelongingsDialog : public QDialog {
    Q_OBJECT
public:
    // `items` holds every item of the list in list order (index = position). `next` is the rest of
    // the chain (the equipment dialog and what follows it).
    PcBelongingsDialog(EditorContext& context, PlayerCharacter& pc, int& startScene, std::vector<ItemChoice> items,
                       int countMax, PcStep next, QWidget* parent = nullptr);
    ~PcBelongingsDialog() override;

    QTreeWidget* table() const;
    ListEditorPanel* panel() const { return panel_; }
    QComboBox* itemChoice() const { return item_; }
    NumberSpin* countSpin() const { return count_; }
    QPushButton* nextButton() const { return next_button_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<PcBelonging>& rows() const { return rows_.rows(); }

public slots:
    void accept() override;

private:
    void Add();
    void Show(int selected);
    void Selected(int row);

    EditorContext& context_;
    PlayerCharacter& pc_;
    int& startScene_;
    std::vector<ItemChoice> items_;
    std::vector<std::string> names_;
    PcStep next_;
    RecordList<PcBelonging> rows_;
    ListEditorPanel* panel_;
    QComboBox* item_;
    NumberSpin* count_;
    QPushButton* next_button_;
    QPushButton* cancel_;
};

// "装備": the five slots, each an item of the slot's kind or none.
class PcEquipmentDialog : public QDialog {
    Q_OBJECT
public:
    // `items` holds every item in list order; `kinds[k]` the choices of slot k (items of kind k).
    PcEquipmentDialog(EditorContext& context, PlayerCharacter& pc, int& startScene, const std::vector<ItemChoice>& items,
                      std::array<std::vector<ItemChoice>, kPcEquipmentSlots> kinds, PcStep next,
                      QWidget* parent = nullptr);
    ~PcEquipmentDialog() override;

    QTreeWidget* table() const { return table_; }
    QComboBox* itemChoice() const { return item_; }
    QPushButton* nextButton() const { return next_button_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::array<int, kPcEquipmentSlots>& equipped() const { return slots_; }
    // Selects slot row `row` as a click on it does.
    void SelectSlot(int row);

public slots:
    void accept() override;

private:
    void ShowRows();
    void Chosen(int position);

    EditorContext& context_;
    PlayerCharacter& pc_;
    int& startScene_;
    std::vector<std::string> names_;
    std::array<std::vector<ItemChoice>, kPcEquipmentSlots> kinds_;
    std::array<int, kPcEquipmentSlots> slots_{};
    PcStep next_;
    int slot_ = -1;
    bool filling_ = false;
    QTreeWidget* table_;
    QComboBox* item_;
    QPushButton* next_button_;
    QPushButton* cancel_;
};

// "ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定".
class PlayerCharacterEditor : public QDialog {
    Q_OBJECT
public:
    explicit PlayerCharacterEditor(EditorContext& context, QWidget* parent = nullptr);
    ~PlayerCharacterEditor() override;

    // How reading pc.txt and start_game.txt went: an editor whose file is Unreadable does not open.
    ReadStatus loadStatus() const { return loadStatus_; }
    ReadStatus startLoadStatus() const { return startLoadStatus_; }
    const PlayerCharacter& record() const { return pc_; }
    int startScene() const { return startScene_; }
    PropertyEditor* properties() const { return properties_; }
    QPushButton* nextButton() const { return next_button_; }
    QPushButton* cancelButton() const { return cancel_; }

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
    QPushButton* next_button_;
    QPushButton* cancel_;
};

// The face and chip dialogs, then "PC配置", on `pc` (the last three steps of the chain).
bool RunPcPictureSteps(EditorContext& context, PlayerCharacter& pc, int& startScene, QWidget* parent);
// "PC配置" on `pc`: the start scene, the view position and the position within the view.
bool RunPcPlacement(EditorContext& context, PlayerCharacter& pc, int& startScene, QWidget* parent);

int RunPlayerCharacterEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
