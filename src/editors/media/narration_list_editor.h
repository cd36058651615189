#pragma once
// "ﾅﾚｰｼｮﾝﾘｽﾄ1": the narration list (narration_list.txt), one row per narration shown by its
// picture's name. With "表示" checked the selected narration's picture is shown beside the list.
// "追加..." and "編集..." open the narration dialog ("ﾅﾚｰｼｮﾝ ﾘｽﾄ2"); OK writes the file, Cancel
// writes nothing.

#include "core/media/narration_list.h"
#include "widgets/preview_list_editor.h"

namespace lw {

class NarrationListEditor : public PreviewListEditor<Narration> {
    Q_OBJECT
public:
    explicit NarrationListEditor(EditorContext& context, QWidget* parent = nullptr);

    const std::vector<Narration>& narrations() const { return records(); }

private:
    void ShowSelection() override;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When narration_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunNarrationListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
