#pragma once
// The editor of the BGM list (midi_list.txt, caption "BGM ﾘｽﾄ") and of the sound-effect list
// (wave_list.txt, caption "効果音ﾘｽﾄ"): one dialog for both. The author picks files of the audio
// folder from a drop-down (heard at once with "再生" checked), adds them to the list, deletes and
// reorders them; OK writes the list file, Cancel writes nothing.

#include <QDialog>
#include <memory>
#include <string>

#include "core/media/audio_lists.h"
#include "widgets/list_editor.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace lw {

struct EditorContext;
class PlayOnSelect;

class AudioListEditor : public QDialog {
    Q_OBJECT
public:
    AudioListEditor(EditorContext& context, AudioList list, QWidget* parent = nullptr);

    ListEditorPanel* panel() const { return panel_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // How reading the list file went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: stops playback, writes the list file (after the overwrite question) and closes with 1,
    // whether or not the file was written.
    void accept() override;
    // Cancel, Escape and the close box: stops playback and closes with 0; nothing is written.
    void reject() override;

private:
    EditorContext& context_;
    AudioList kind_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<std::string>> list_;
    QComboBox* files_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When the list file exists but cannot
// be read, tells the author and returns 0 without opening.
int RunAudioListEditor(EditorContext& context, AudioList list, QWidget* parent);

}  // namespace lw
