#pragma once
// The text-list editor "文章 ﾘｽﾄ" (talk_list.txt). The author writes a text in "文章内容" (Enter
// starts a new line), inserts talk commands at the caret from the command menu (each through its
// small dialog), and adds it to the list ("追加": an equal text is selected instead of added
// again) or puts it in place of the selected one ("更新"). OK writes talk_list.txt; Cancel writes
// nothing. Text in the edit that was neither added nor used to update an item is not kept.
//
// Limits are checked before anything is stored: a text whose stored form exceeds 4095 bytes is
// counted in red below the edit, and "追加"/"更新" ask before cutting it (at a character
// boundary); a text the file cannot give back (one that reads as a tag of the file) is refused.
// Characters that CP932 cannot hold cannot be typed or pasted.

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/media/talk_markup.h"
#include "core/tagfile/file_io.h"
#include "widgets/list_editor.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace lw {

struct EditorContext;
class TalkTextEdit;

class TalkListEditor : public QDialog {
    Q_OBJECT
public:
    TalkListEditor(EditorContext& context, QWidget* parent = nullptr);

    ListEditorPanel* panel() const { return panel_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const std::vector<std::string>& texts() const { return list_->records(); }
    ReadStatus loadStatus() const { return loadStatus_; }

    // The edit's text as CP932 bytes, line breaks as CR LF (the selected item's own bytes while the
    // edit still shows them unchanged); nullopt when it holds a character CP932 cannot hold.
    std::optional<std::string> EditBytes() const;

public slots:
    // The command menu's item `index` (TalkCommand order): "改行" and "改ﾍﾟｰｼﾞ" at once, the others
    // through their dialog; a confirmed command replaces the edit's selection (or goes in at the
    // caret), and the focus returns to the edit. The menu then shows no choice.
    void RunCommand(int index);
    // OK: writes talk_list.txt (after the overwrite question; never over a file that could not be
    // read) and closes with 1. Cancel: closes with 0, nothing written.
    void accept() override;
    void reject() override;

private:
    std::optional<std::string> BuildCommand(TalkCommand command);
    // The edit's text ready to be stored, after the checks (messages shown); nullopt when refused.
    std::optional<std::string> TakeEditText();
    void Update();
    void ShowSelected();
    void ShowText(const std::string& bytes);
    void ShowSize();

    EditorContext& context_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<std::string>> list_;
    TalkTextEdit* edit_;
    QComboBox* menu_;
    QLabel* size_;
    QPushButton* ok_;
    QPushButton* cancel_;
    // What the edit showed for the item last put into it, and that item's bytes.
    std::string shownBytes_;
    QString shownText_;
    bool added_ = false;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When talk_list.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunTalkListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
