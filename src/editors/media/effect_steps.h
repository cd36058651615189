#pragma once
// The three steps of making or changing an effect animation, each a dialog with the image preview
// beside it: its settings, then the order of its frames, then where each frame is drawn. The
// frame order serves the map animations too (EffectOrderStep::Options).

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/media/effect_animation.h"
#include "widgets/list_editor.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;
class DrawingGroup;
class ImageView;

// "ｱﾆﾒ ﾘｽﾄ2", the first step of making or changing an effect animation: its name, the chip sheet
// (chosen once, when the animation is made), how it is drawn, its speed, the chip area inside the
// sheet and the size of one chip. The preview beside it shows the sheet with the chip area
// outlined and the cell grid drawn; a click on the sheet picks the key colour. "次へ" goes on to
// the frame order.
class EffectSettingsStep : public PreviewStepDialog {
    Q_OBJECT
public:
    // `working` is edited in place; `isNew` tells a new animation (cleared, speed 2, its image to
    // be chosen) from a changed one (its image fixed).
    EffectSettingsStep(EditorContext& context, EffectAnimation& working, bool isNew, QWidget* parent = nullptr);

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
    QSpinBox* left_;
    QSpinBox* top_;
    QSpinBox* width_;
    QSpinBox* height_;
    QSpinBox* cellWidth_;
    QSpinBox* cellHeight_;
    // Each number field and the member it stores into.
    std::vector<std::pair<QSpinBox*, int EffectAnimation::*>> numbers_;
};

// "ｱﾆﾒﾁｯﾌﾟの順番": the chips of the sheet in playing order. The author clicks cells of the sheet
// in the preview (the hovered cell inverted, its column and row in the preview's caption) or types
// a column and row; each becomes one frame "column row" of the list. The default button takes the
// list as the animation's frames and goes on ("次へ" to the frame positions of an effect
// animation; "OK" where the order is the last step).
class EffectOrderStep : public PreviewStepDialog {
    Q_OBJECT
public:
    struct Options {
        QString defaultLabel = QStringLiteral("OK");
        int capacity = kEffectFrameCapacity;  // frames the record holds
        // Runs after the frames were taken from the list into the record, with the preview
        // closed; true ends this step with 1, false keeps it open. None: the step ends with 1.
        std::function<bool(QWidget* step, EffectAnimation& working)> next;
    };
    // The options of an effect animation: "次へ" runs the frame positions.
    static Options ForEffect(EditorContext& context);

    // The sheet is the working record's image file; its chip area and cell size cut it into cells.
    EffectOrderStep(EditorContext& context, EffectAnimation& working, Options options, QWidget* parent = nullptr);

    // The confirming button, labelled as the options say.
    QPushButton* defaultButton() const { return ok_; }

public slots:
    void accept() override;

private:
    void OpenPreview() override;
    // Closes the preview; the step that opened this one takes it back.
    void Leave() override;
    bool AppendCell(int column, int row);
    std::pair<int, int> TypedCell() const;

    EffectAnimation& working_;
    Options options_;
    std::unique_ptr<ListEditor<std::pair<int, int>>> list_;
    QCheckBox* show_;
    QSpinBox* column_;
    QSpinBox* row_;
};

// "ｱﾆﾒﾁｯﾌﾟの表示位置": where each frame of the animation is drawn on the 320 x 240 screen. The
// preview shows a background picture of the author's choice (not stored) with the animation
// running over it; a click on it, or "更新", places the selected frame.
class EffectPositionStep : public PreviewStepDialog {
    Q_OBJECT
public:
    EffectPositionStep(EditorContext& context, EffectAnimation& working, QWidget* parent = nullptr);

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
