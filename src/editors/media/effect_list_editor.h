#pragma once
// "ｱﾆﾒ ﾘｽﾄ1": the list of effect animations (image_effect.txt). The preview beside it runs the
// selected animation at its speed; "追加..." and "編集..." lead through the three steps (settings,
// frame order, frame positions); OK writes the file, Cancel writes nothing.

#include <memory>

#include "core/media/effect_animation.h"
#include "widgets/preview_dialog.h"
#include "widgets/list_editor.h"

class QCheckBox;
class QPushButton;

namespace lw {

struct EditorContext;
class ImageView;

class EffectListEditor : public PreviewDialog {
    Q_OBJECT
public:
    explicit EffectListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~EffectListEditor() override;

    ListEditorPanel* panel() const { return panel_; }
    QCheckBox* showBox() const { return show_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<EffectAnimation>& animations() const { return list_->records(); }
    // How reading image_effect.txt went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes image_effect.txt (after the overwrite question), closes the preview, ends with 1
    // whether or not the file was written.
    void accept() override;
    // Cancel, Escape and the close box: closes the preview and ends with 0; nothing is written.
    void reject() override;

protected:

private:
    // Opens the preview (mode 2) when there is none, then shows the selected animation.
    void OpenPreview() override;
    void ShowSelection();
    // Runs the three steps on `working`; true when they all ended with OK.
    bool RunSteps(EffectAnimation& working, bool isNew);
    void Leave();

    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<EffectAnimation>> list_;
    QCheckBox* show_;
    QPushButton* ok_;
    QPushButton* cancel_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When image_effect.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunEffectListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
