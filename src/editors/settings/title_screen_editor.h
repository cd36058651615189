#pragma once
// "ﾀｲﾄﾙ画面": the title screen (title.txt) and its background, slot 1 of the background table
// (image_back.txt). The preview beside it (view mode 5) shows the background with the menu drawn
// over it and follows every change as it is typed; the title music is heard on choice while
// "BGM再生" is checked. OK writes image_back.txt and title.txt, Cancel writes nothing.

#include <array>
#include <functional>
#include <vector>

// The background table names a member `slots`, which Qt's keyword macro of that name would swallow.
#include "core/media/image_lists.h"
#include "core/settings/title_screen.h"

#include "render/image_view_state.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/number_spin.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace lw {

struct EditorContext;
class ImageChooser;
class PlayOnSelect;

// The menu the preview draws over the title background: position, spacing, size, the colours of
// the first entry shown and of the others, and which slots are shown with which text.
TitleMenuOverlay TitleMenuOverlayFor(const TitleScreen& title);

class TitleScreenEditor : public PreviewStepDialog {
    Q_OBJECT
public:
    explicit TitleScreenEditor(EditorContext& context, QWidget* parent = nullptr);

    // The record as edited so far.
    const TitleScreen& title() const { return title_; }
    // How reading title.txt and image_back.txt went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return titleRead_; }
    ReadStatus backLoadStatus() const { return backRead_; }

public slots:
    // OK: closes the preview, stops playback, writes image_back.txt (slot 1 given the chosen
    // background) and title.txt; ends with 1 whatever the writers returned. An entry text with a
    // blank is refused with a message and the dialog stays open.
    // Cancel and Escape: closes the preview, stops playback, ends with 0; nothing is written.
    void accept() override;

private:
    void OpenPreview() override;
    void ShowRecord();
    void EnableRows();
    void UpdatePreview();
    void ShowBackground();
    void Leave() override;

    TitleScreen title_;
    ImageTable backTable_;
    ReadStatus titleRead_ = ReadStatus::Missing;
    ReadStatus backRead_ = ReadStatus::Missing;

    std::array<QLineEdit*, kTitleEditorRows> texts_{};
    std::array<QCheckBox*, kTitleEditorRows> offs_{};
    // Each number field with the value of the record it shows and sets, clamped as stored.
    struct NumberField {
        NumberSpin* spin;
        std::function<int&(TitleScreen&)> value;
        int (*clamp)(long long);
    };
    std::vector<NumberField> numbers_;
    ImageChooser* background_;
    QCheckBox* showImage_;
    QComboBox* bgm_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_;
};

// Runs the editor modally; 1 after OK, 0 after Cancel. When title.txt exists but cannot be read,
// tells the author and returns 0 without opening. An unreadable image_back.txt is reported and
// left alone: the editor opens and writes title.txt only.
int RunTitleScreenEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
