#pragma once
// "ﾏｯﾌﾟｱﾆﾒ2", the first step of making or changing a map animation file: the bitmap the frames are
// cut from (shown in the preview with the frame grid over it), the size of one frame ("幅", "高さ":
// a typed size above the bitmap's becomes the bitmap's) and the speed (1..100). "次へ" goes on to
// the animations ("ﾏｯﾌﾟｱﾆﾒ3"); their OK completes both steps, their Cancel comes back here.

#include "core/world/map_animation.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QPushButton;

namespace lw {

struct EditorContext;
class ImageChooser;
class NumberSpin;

class MapAnimationSettingsStep : public PreviewStepDialog {
    Q_OBJECT
public:
    // `working` is edited in place; the caller keeps it only when the steps end with OK.
    MapAnimationSettingsStep(EditorContext& context, MapAnimation& working, QWidget* parent = nullptr);

    ImageChooser* imageChoice() const { return image_; }
    QCheckBox* showBox() const { return show_; }
    NumberSpin* widthSpin() const { return width_; }
    NumberSpin* heightSpin() const { return height_; }
    NumberSpin* speedSpin() const { return speed_; }

public slots:
    // "次へ": checks the frame size and the bitmap, then runs "ﾏｯﾌﾟｱﾆﾒ3"; ends with 1 on its OK.
    void accept() override;

private:
    void OpenPreview() override;
    void ShowChosenImage();
    // Takes the controls into the working record and repaints the grid.
    void TakeControls();
    void SyncPreview();

    MapAnimation& working_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    ImageChooser* image_;
    QCheckBox* show_;
    NumberSpin* width_;
    NumberSpin* height_;
    NumberSpin* speed_;
};

}  // namespace lw
