#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(装備の設定・解除)": an equipment kind and the item to equip in it, line
// "equip %d item%d". "装備するｱｲﾃﾑ" lists "なし" then the items of item_list.txt of the chosen kind
// (refilled, "なし" chosen, whenever the kind changes); the line carries the item's position in the
// whole list, -1 for "なし" (the equipment of that kind is taken off). OK without a kind says
// "装備の種別を選択してください" and stays open.

#include <optional>
#include <string>
#include <vector>

#include "core/rules/items.h"
#include "editors/events/shared_command_dialog.h"

class QComboBox;
class QPushButton;

namespace lw {

struct CommandContext;
struct EditorContext;

class EquipDialog : public QDialog {
    Q_OBJECT
public:
    EquipDialog(EditorContext& context, QWidget* parent = nullptr);

    // False when item_list.txt exists but could not be read (the author has been told).
    bool opened() const { return opened_; }
    const std::string& line() const { return line_; }
    // The item the current choice writes (-1 for "なし" or no choice).
    int chosenItem() const;

    QComboBox* kindChoice() const { return kind_; }
    QComboBox* itemChoice() const { return item_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

private:
    void FillItems();

    EditorContext& context_;
    bool opened_ = true;
    std::string line_;
    std::string itemListBytes_;
    std::vector<ItemChoice> items_;  // the items of the chosen kind, in list order
    QComboBox* kind_;
    QComboBox* item_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
