#pragma once
// "ｱｲﾃﾑ ﾘｽﾄ": the item list (item_list.txt). A list of items beside one form: name, kind,
// "廃棄・売却不可", the ten ability bonuses, health state, weapon animation (played in the image
// preview beside the dialog), sound effect (heard on choosing it), price and a multi-line
// description. "追加" appends the form as a new item, "更新" replaces the selected one; OK writes
// the file, Cancel writes nothing.

#include <array>
#include <memory>

#include "core/rules/item_editing.h"
#include "core/rules/items.h"
#include "widgets/list_editor.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;
class PlayOnSelect;

class ItemListEditor : public PreviewStepDialog {
    Q_OBJECT
public:
    explicit ItemListEditor(EditorContext& context, QWidget* parent = nullptr);

    ListEditorPanel* panel() const { return panel_; }
    const std::vector<Item>& items() const { return list_->records(); }
    // How reading item_list.txt went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: stops playback, writes item_list.txt (after the overwrite question), closes the preview
    // and ends with 1 whether or not the file was written.
    // Cancel, Escape and the close box: the same without writing; ends with 0.
    void accept() override;

private:
    void BuildForm(QGridLayout* grid);
    void OpenPreview() override;
    // The form shows `item` (the selected row's record, or a cleared one).
    void ShowRecord(const Item& item);
    void ShowSelection();
    // Enables the kind-dependent controls for `kind`; `clear` empties the ones it disables.
    void ApplyKind(int kind, bool clear);
    void OnKindChosen();
    void RefreshPreview();
    // What the controls hold; nullopt (after telling the author) when the description holds
    // characters the file cannot.
    std::optional<ItemForm> ReadForm();
    // The record of the form, untouched values as the shown record had them.
    Item Collect(const ItemForm& form) const;
    // Tells the author why the form cannot be stored (`problem`, or a description longer than a
    // record keeps); false when there is nothing to tell.
    bool Refuse(ItemProblem problem, const ItemForm& form);
    void AddItem();
    void UpdateItem();
    void Leave() override;

    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<Item>> list_;
    QPushButton* update_;
    QLineEdit* name_;
    QComboBox* kind_;
    QCheckBox* noDiscard_;
    // The ten ability spins in the order of the record (agility to MP).
    std::array<QSpinBox*, kItemAbilityCount> abilities_{};
    QSpinBox* price_;
    QComboBox* health_;
    QComboBox* weapon_;
    QCheckBox* showImage_;
    QComboBox* sound_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_ = nullptr;
    QPlainTextEdit* description_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    // The record the form was last loaded from: untouched controls give back its values.
    Item shown_;
    int shownWeaponRow_ = -1;
    int shownHealthRow_ = -1;
    bool loading_ = false;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When item_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunItemListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
