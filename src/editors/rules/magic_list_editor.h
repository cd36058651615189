#pragma once
// "魔法ﾘｽﾄ1": the magic list (magic_list.txt), one spell per row by its name. "追加..." and
// "編集..." open the spell in "魔法ﾘｽﾄ2" (magic_property_editor.h); "表示" plays the attack
// animation of the selected spell in the image preview while the spell deals damage. OK writes the
// file, Cancel writes nothing. While the list is empty only "追加..." and "ｷｬﾝｾﾙ" can be used, so
// this editor never writes an empty list.

#include <memory>

#include "core/rules/magic.h"
#include "widgets/list_editor.h"
#include "widgets/preview_dialog.h"

class QCheckBox;
class QPushButton;

namespace lw {

struct EditorContext;
class MagicPropertyEditor;

class MagicListEditor : public PreviewDialog {
    Q_OBJECT
public:
    explicit MagicListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~MagicListEditor() override;

    ListEditorPanel* panel() const { return panel_; }
    QCheckBox* showBox() const { return show_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<Magic>& spells() const { return list_->records(); }
    int abilityMax() const { return abilityMax_; }
    // How reading magic_list.txt went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes magic_list.txt (after the overwrite question), stops playback, closes the preview
    // and ends with 1 whether or not the file was written.
    void accept() override;
    // Cancel, Escape and the close box: the same without writing; ends with 0.
    void reject() override;

private:
    void OpenPreview() override;
    void RefreshPreview();
    // Runs "魔法ﾘｽﾄ2" on `magic`; true (with `magic` edited) after its OK.
    bool EditSpell(Magic& magic);
    void Leave();

    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<Magic>> list_;
    QCheckBox* show_;
    QPushButton* ok_;
    QPushButton* cancel_;
    int abilityMax_ = 0;
    ReadStatus loadStatus_ = ReadStatus::Missing;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When magic_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunMagicListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
