#pragma once
// "ﾏｯﾌﾟｱﾆﾒ3", the second step of making or changing a map animation file: its animations, one row
// each listing the frame positions ("x y x y ..."). "追加..." picks the frames of a new animation
// on the bitmap in "ｱﾆﾒﾁｯﾌﾟの順番" (an animation equal to a listed one selects that row instead);
// "編集..." picks the selected animation's frames again. The preview runs the selected animation.
// OK stores the rows as the file's animations, in order.

#include <memory>
#include <optional>

#include "core/world/map_animation.h"
#include "widgets/list_editor.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QPushButton;

namespace lw {

struct EditorContext;

class MapAnimationSequenceStep : public PreviewStepDialog {
    Q_OBJECT
public:
    // The bitmap of `working` is imageWidth x imageHeight pixels (0 x 0 when it did not load).
    MapAnimationSequenceStep(EditorContext& context, MapAnimation& working, int imageWidth, int imageHeight,
                             QWidget* parent = nullptr);
    ~MapAnimationSequenceStep() override;

    ListEditorPanel* panel() const { return panel_; }
    QCheckBox* showBox() const { return show_; }
    const std::vector<MapAnimationSequence>& rows() const { return list_->records(); }

public slots:
    void accept() override;

private:
    void OpenPreview() override;
    // Closes the preview; the settings step opens its own.
    void Leave() override;
    void ShowSelection();
    // Runs the frame order on `sequence`; its frames on OK, nullopt on Cancel.
    std::optional<MapAnimationSequence> PickFrames(const MapAnimationSequence& sequence);

    MapAnimation& working_;
    int imageWidth_;
    int imageHeight_;
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<MapAnimationSequence>> list_;
    QCheckBox* show_;
};

}  // namespace lw
