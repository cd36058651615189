#pragma once
// "魔法ﾘｽﾄ1": the magic list (magic_list.txt), one spell per row by its name. "追加..." and
// "編集..." open the spell in "魔法ﾘｽﾄ2" (magic_property_editor.h); "表示" plays the attack
// animation of the selected spell in the image preview while the spell deals damage. OK writes the
// file, Cancel writes nothing. While the list is empty only "追加..." and "ｷｬﾝｾﾙ" can be used, so
// this editor never writes an empty list.

#include "core/rules/magic.h"
#include "widgets/preview_list_editor.h"

namespace lw {

class MagicListEditor : public PreviewListEditor<Magic> {
    Q_OBJECT
public:
    explicit MagicListEditor(EditorContext& context, QWidget* parent = nullptr);

public slots:
    // OK: writes magic_list.txt (after the overwrite question), stops playback, closes the preview
    // and ends with 1 whether or not the file was written.
    void accept() override;

private:
    void ShowSelection() override;
    // Also stops playback and lets go of the animations the spells chose from.
    void Leave() override;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When magic_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunMagicListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
