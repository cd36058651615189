#pragma once
// One audio drop-down and its "再生" check box, bound to the music player by the play-on-select
// rule (src/audio/play_selection.h): with the box checked, every file chosen is heard at once;
// unchecking the box, choosing "なし" or having nothing chosen stops playback.
//
//   PlayOnSelect play(ui.bgmCombo, ui.playCheck, context, AudioKind::Bgm);
//   play.Reset();          // when the dialog opens: box and flag cleared, everything stopped
//   ... OK and Cancel: play.Stop();
//
// The name played is the item's CP932 bytes when the item carries them as Qt::UserRole data (the
// fillers of audio_glue.h set it), else its text converted to CP932. A dialog whose drop-down
// switches between BGM and sounds calls SetKind.

#include <QObject>
#include <string>

#include "audio/play_selection.h"

class QCheckBox;
class QComboBox;

namespace lw {

struct EditorContext;

class PlayOnSelect : public QObject {
    Q_OBJECT
public:
    PlayOnSelect(QComboBox* files, QCheckBox* play, EditorContext& context, AudioKind kind);

    void SetKind(AudioKind kind) { kind_ = kind; }
    bool playFlag() const { return flag_; }

    void Reset();
    void Stop();
    // The rule, for the drop-down's current choice and the flag as it is.
    void Run();

    // The CP932 name of the drop-down's current choice (empty when nothing is chosen).
    static std::string ChosenName(const QComboBox* files);

private:
    QComboBox* files_;
    QCheckBox* play_;
    EditorContext& context_;
    AudioKind kind_;
    bool flag_ = false;
};

}  // namespace lw
