#pragma once
// The map animation list "ﾏｯﾌﾟｱﾆﾒ": one row per map animation file of the data folder
// ("map_anim%d.txt", sorted by name), the selected file's animations running in the preview.
// "追加..." makes a file with the next free number through "ﾏｯﾌﾟｱﾆﾒ2" and "ﾏｯﾌﾟｱﾆﾒ3", "編集..."
// changes the selected one through the same steps, "削除" moves its file to the desktop trash at
// once after a question. OK writes every row (one overwrite question per file); Cancel writes
// nothing, and deletions already made stay made. A file that could not be read keeps its row
// (saying so) but is never written back over.

#include <string>
#include <vector>

#include "core/tagfile/file_io.h"
#include "core/world/map_animation.h"
#include "widgets/numbered_file_list.h"
#include "widgets/preview_dialog.h"


namespace lw {

struct EditorContext;

struct MapAnimationRow : NumberedFileRow {
    MapAnimation animation;
};

class MapAnimationListEditor : public PreviewDialog, public NumberedFileRows<MapAnimationRow> {
    Q_OBJECT
public:
    explicit MapAnimationListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~MapAnimationListEditor() override;

public slots:
    void accept() override;
    void reject() override;

private:
    void OpenPreview() override;
    void ShowSelected();
    // Runs "ﾏｯﾌﾟｱﾆﾒ2" and "ﾏｯﾌﾟｱﾆﾒ3" on `working`; true when they ended with OK.
    bool RunSteps(MapAnimation& working);
    void Leave();
};

// Runs the map animation list modally; 1 after OK, 0 after Cancel.
int RunMapAnimationListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
