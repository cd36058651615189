#pragma once
// The three steps of making or changing an effect animation, each a dialog with the image preview
// beside it: its settings, then the order of its frames, then where each frame is drawn. The
// frame order serves the map animations too (EffectOrderStep::Options).

#include <functional>
#include <memory>
#include <utility>

#include "core/media/effect_animation.h"
#include "widgets/list_editor.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;

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
    // The sheet is the working record's image file; its chip area and cell size cut it into cells.
    EffectOrderStep(EditorContext& context, EffectAnimation& working, Options options, QWidget* parent = nullptr);

public slots:
    void accept() override;

private:
    void OpenPreview() override;
    // Closes the preview; the step that opened this one takes it back.
    void Leave() override;
    void AppendCell(int column, int row);
    std::pair<int, int> TypedCell() const;

    EffectAnimation& working_;
    Options options_;
    std::unique_ptr<ListEditor<std::pair<int, int>>> list_;
    QCheckBox* show_;
    QSpinBox* column_;
    QSpinBox* row_;
};

// Makes or changes an effect animation through its three steps: "ｱﾆﾒ ﾘｽﾄ2" (its name, the chip
// sheet, chosen once when the animation is made, how it is drawn, its speed, the chip area and the
// size of one chip), the frame order, and "ｱﾆﾒﾁｯﾌﾟの表示位置" (where each frame is drawn on the
// 320 x 240 screen). `working` is edited in place; `isNew` starts it cleared with speed 2. True
// when the last step ends with OK.
bool RunEffectSteps(EditorContext& context, EffectAnimation& working, bool isNew, QWidget* parent);

}  // namespace lw
