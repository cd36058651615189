#pragma once
// "背景画像" and "ｶｰｿﾙ画像": the fixed picture slots of the game's screens (image_back.txt) and of
// its menu cursors (image_select.txt). A list of the slots' names, the picture of the selected
// slot chosen from the image folder, and how it is drawn; the preview beside it shows the whole
// picture, and a click on it picks the key colour. OK writes the table, Cancel writes nothing.

// The table names a member `slots`, which Qt's keyword macro of that name would swallow.
#include "core/media/image_lists.h"

#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace lw {

struct EditorContext;
class DrawingGroup;
class ImageChooser;

class ImageTableEditor : public PreviewStepDialog {
    Q_OBJECT
public:
    ImageTableEditor(EditorContext& context, ImageTableKind kind, QWidget* parent = nullptr);

    const ImageTable& table() const { return table_; }
    // The table slot the selected list row edits.
    int currentSlot() const { return current_; }
    // How reading the table's file went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes the table (after the overwrite question), closes the preview, ends with 1
    // whether or not the file was written.
    // Cancel and Escape: closes the preview and ends with 0; nothing is written.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OpenPreview() override;
    void SelectSlot(int row);
    void ShowSlot();
    void ShowPicture();
    ImageEntry& slot();

    ImageTableKind kind_;
    ImageTable table_;
    int current_ = 0;
    ReadStatus loadStatus_ = ReadStatus::Missing;

    QListWidget* slots_;
    ImageChooser* image_;
    QCheckBox* show_;
    DrawingGroup* drawing_;
};

// Runs the editor modally; 1 after OK, 0 after Cancel. When the table's file exists but cannot be
// read, tells the author and returns 0 without opening.
int RunImageTableEditor(EditorContext& context, ImageTableKind kind, QWidget* parent);

}  // namespace lw
