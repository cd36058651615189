#pragma once
// "ﾅﾚｰｼｮﾝ ﾘｽﾄ2": one narration. Its picture ("画像", shown beside the dialog while "表示" is
// checked), its music ("BGM", heard on choosing it while "再生" is checked), its text ("文章", a
// text of the text list, shown whole below the choice), the font size and typing speed, the text
// rectangle on the 320 x 240 screen, the two times in tenths of a second and the text colour.
// The preview (mode 16) lays the text out over the picture as the author edits: every typed size,
// edge and colour shows at once. OK hands the record back, Cancel leaves it as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/media/narration_list.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;
class ImageChooser;
class PlayOnSelect;

class NarrationDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    // `record` is changed only by OK.
    NarrationDialog(EditorContext& context, Narration& record, QWidget* parent = nullptr);

    // The record as the preview shows it now.
    const Narration& working() const { return working_; }

public slots:
    // OK: takes the picture, music, text, speed and times from their controls; refuses (and stays)
    // when no picture is chosen or its name holds a blank; otherwise stops playback, closes the
    // preview, resets the view mode and ends with 1.
    void accept() override;
    // Cancel: the same closing without taking anything; ends with 0.

private:
    void OpenPreview() override;
    // The chosen text, whole (nothing when none is chosen).
    std::optional<std::string_view> ChosenText() const;
    // Shows the chosen text whole, sets the preview's overlay and shows the picture (reloaded when
    // `reloadPicture`) or hides the preview.
    void Refresh(bool reloadPicture);
    void Leave() override;

    Narration& record_;
    Narration working_;
    std::vector<std::string> texts_;

    ImageChooser* image_;
    QCheckBox* show_;
    QComboBox* bgm_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_ = nullptr;
    QComboBox* text_;
    QPlainTextEdit* whole_;
    QSpinBox* speed_;
    QSpinBox* wait_;
    QSpinBox* lastPage_;
};

}  // namespace lw
