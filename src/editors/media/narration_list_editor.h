#pragma once
// "ﾅﾚｰｼｮﾝﾘｽﾄ1": the narration list (narration_list.txt), one row per narration shown by its
// picture's name. With "表示" checked the selected narration's picture is shown beside the list.
// "追加..." and "編集..." open the narration dialog ("ﾅﾚｰｼｮﾝ ﾘｽﾄ2"); OK writes the file, Cancel
// writes nothing.

#include <memory>

#include "core/media/narration_list.h"
#include "widgets/list_editor.h"
#include "widgets/preview_dialog.h"

class QCheckBox;
class QPushButton;

namespace lw {

struct EditorContext;

class NarrationListEditor : public PreviewDialog {
    Q_OBJECT
public:
    explicit NarrationListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~NarrationListEditor() override;

    ListEditorPanel* panel() const { return panel_; }
    QCheckBox* showBox() const { return show_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<Narration>& narrations() const { return list_->records(); }
    // How reading narration_list.txt went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes narration_list.txt (after the overwrite question), closes the preview, ends with 1
    // whether or not the file was written.
    void accept() override;
    // Cancel, Escape and the close box: closes the preview and ends with 0; nothing is written.
    void reject() override;

protected:

private:
    void OpenPreview() override;
    void ShowSelection();
    // Runs the narration dialog on `working`; true after its OK.
    bool RunDialog(Narration& working);
    void Leave();

    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<Narration>> list_;
    QCheckBox* show_;
    QPushButton* ok_;
    QPushButton* cancel_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When narration_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunNarrationListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
