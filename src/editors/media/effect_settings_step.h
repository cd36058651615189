#pragma once
// "ｱﾆﾒ ﾘｽﾄ2", the first step of making or changing an effect animation: its name, the chip sheet
// (chosen once, when the animation is made), how it is drawn, its speed, the chip area inside the
// sheet and the size of one chip. The preview beside it shows the sheet with the chip area
// outlined and the cell grid drawn; a click on the sheet picks the key colour. "次へ" goes on to
// the frame order.

#include <string>
#include <vector>

#include "core/media/effect_animation.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;
class DrawingGroup;

class EffectSettingsStep : public PreviewStepDialog {
    Q_OBJECT
public:
    // `working` is edited in place; `isNew` tells a new animation (cleared, speed 2, its image to
    // be chosen) from a changed one (its image fixed).
    EffectSettingsStep(EditorContext& context, EffectAnimation& working, bool isNew, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }
    QComboBox* imageChoice() const { return image_; }
    QCheckBox* showBox() const { return show_; }
    DrawingGroup* drawing() const { return drawing_; }
    QSpinBox* speedSpin() const { return speed_; }
    QSpinBox* leftSpin() const { return left_; }
    QSpinBox* topSpin() const { return top_; }
    QSpinBox* widthSpin() const { return width_; }
    QSpinBox* heightSpin() const { return height_; }
    QSpinBox* cellWidthSpin() const { return cellWidth_; }
    QSpinBox* cellHeightSpin() const { return cellHeight_; }

public slots:
    // "次へ": checks the record, cuts the chip area back to the sheet and runs the frame order;
    // ends with 1 when the later steps end with OK.
    void accept() override;

private:
    void OpenPreview() override;
    void ShowChosenImage();
    void ShowRecord();
    void SetAreaRanges(int imageWidth, int imageHeight);
    void SyncPreview();
    // A message with the caption "Lorewright", no icon; the step stays open.
    void Refuse(const QString& text);

    EffectAnimation& working_;
    const bool isNew_;
    int imageWidth_ = 0;  // of the sheet shown, 0 while none is loaded
    int imageHeight_ = 0;
    bool areaChanged_ = false;  // the author changed the chip area

    QLineEdit* name_;
    QComboBox* image_;
    QCheckBox* show_;
    DrawingGroup* drawing_;
    QSpinBox* speed_;
    QSpinBox* left_;
    QSpinBox* top_;
    QSpinBox* width_;
    QSpinBox* height_;
    QSpinBox* cellWidth_;
    QSpinBox* cellHeight_;
    // Each number field and the member it stores into.
    std::vector<std::pair<QSpinBox*, int EffectAnimation::*>> numbers_;
};

}  // namespace lw
