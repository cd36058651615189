#pragma once
// "ｱﾆﾒﾁｯﾌﾟの順番": the chips of the sheet in playing order. The author clicks cells of the sheet
// in the preview (the hovered cell inverted, its column and row in the preview's caption) or types
// a column and row; each becomes one frame "column row" of the list. The default button takes the
// list as the animation's frames and goes on ("次へ" to the frame positions of an effect
// animation; "OK" where the order is the last step).

#include <functional>
#include <memory>
#include <utility>

#include "core/media/effect_animation.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/list_editor.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;
class ImageView;

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
    ~EffectOrderStep() override;

    ListEditorPanel* panel() const { return panel_; }
    QPushButton* updateButton() const { return update_; }
    QCheckBox* showBox() const { return show_; }
    QSpinBox* columnSpin() const { return column_; }
    QSpinBox* rowSpin() const { return row_; }
    // The confirming button, labelled as the options say.
    QPushButton* defaultButton() const { return ok_; }
    const std::vector<std::pair<int, int>>& order() const { return list_->records(); }

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
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<std::pair<int, int>>> list_;
    QPushButton* update_;
    QCheckBox* show_;
    QSpinBox* column_;
    QSpinBox* row_;
};

}  // namespace lw
