#pragma once
// "ｱﾆﾒﾁｯﾌﾟの表示位置": where each frame of the animation is drawn on the 320 x 240 screen. The
// preview shows a background picture of the author's choice (not stored) with the animation
// running over it; a click on it, or "更新", places the selected frame.


#include "core/media/effect_animation.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;
class ImageView;

class EffectPositionStep : public PreviewStepDialog {
    Q_OBJECT
public:
    EffectPositionStep(EditorContext& context, EffectAnimation& working, QWidget* parent = nullptr);

    QComboBox* backgroundChoice() const { return background_; }
    QListWidget* frameList() const { return frames_; }
    QCheckBox* showBox() const { return show_; }
    QSpinBox* xSpin() const { return x_; }
    QSpinBox* ySpin() const { return y_; }
    QPushButton* updateButton() const { return update_; }

private:
    void OpenPreview() override;
    void UpdateSelectedFrame(int x, int y);
    void SyncPreview();
    // OK and Cancel both give the preview back as they found it and close it; the positions placed
    // stay in the working record either way (Cancel returns to the frame order, where they are
    // still wanted), and only the list editor decides whether the record is kept.
    void Leave() override;

    EffectAnimation& working_;
    int savedImageWidth_ = 0;
    int savedImageHeight_ = 0;
    QComboBox* background_;
    QListWidget* frames_;
    QCheckBox* show_;
    QSpinBox* x_;
    QSpinBox* y_;
    QPushButton* update_;
};

}  // namespace lw
