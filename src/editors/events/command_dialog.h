#pragma once
// The frame of every event command dialog: the caption, the form of titled boxes top to bottom,
// the "OK"/"ｷｬﾝｾﾙ" row, the lists the dialog needs, the OK checks and the line.
//
// A command dialog is its fields and its builder call. Its constructor adds its boxes, asks for
// the lists it reads (NeedList) and ends with AddButtons(); Build() gives the line of the controls
// as they stand, or Refuse(text) when something is missing (the author is told, the dialog stays
// open). OK keeps the built line and closes; OK and Cancel both run Leave() first (the preview and
// the sounds of the audio choices are stopped there). A dialog that previews in the shared image view names the view's mode
// (PreviewIn) and shows its choice in ShowPreview; the frame opens and closes the view.
//
//   std::optional<std::string> Build() override {
//       if (kind_->currentIndex() < 0) return Refuse(tr("装備の種別を選択してください"));
//       return BuildEquip(...);
//   }
//
// Run one with RunCommandDialog<Dialog>(arguments...): nullopt when a list it needs was missing or
// unreadable (it said so and did not open) or when the author cancelled.

#include <QGroupBox>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/tagfile/file_io.h"
#include "render/image_view_state.h"
#include "widgets/preview_dialog.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace lw {

// The dialogs shared with the text-list editor build an event command line in event mode and the
// talk markup of the same command in talk mode.
enum class CommandDialogMode { Event, Talk };

class NumberSpin;
class RecordNames;
class PlayOnSelect;
enum class AudioList;

// The group chooser of the command dialogs: a titled box holding a drop-down of "なし" then the
// groups 0..n-1 of the scene whose groups are being edited, each with its explanation beside its
// number ("4 — 村長の家"), and, beside "説明", the chosen group's explanation, read-only. Its value
// is the drop-down position less one: -1 for "なし".
//
//   auto* after = new GroupChooser(tr("地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), context.groupExplanations, this);
//   layout->addWidget(after);
//   ... after->value() ...
// Sizes a drop-down of groups (GroupChoiceLabel rows): narrow when closed, wide enough for every
// explanation when dropped down.
void FitGroupChoices(QComboBox* combo);

class GroupChooser : public QGroupBox {
    Q_OBJECT
public:
    // `explanations` are the groups' explanations (CP932) in group order; their number is the
    // number of groups offered. "なし" is chosen at first.
    GroupChooser(const QString& title, std::vector<std::string> explanations, QWidget* parent = nullptr);

    // The chosen group, -1 for "なし".
    int value() const;
    // Chooses group `group`; -1 or a number that is not offered chooses "なし".
    void SetValue(int group);
private:
    int GroupCount() const { return static_cast<int>(explanations_.size()); }
    void ShowExplanation();

    std::vector<std::string> explanations_;
    QComboBox* combo_;
    QLineEdit* explanation_;
};

class CommandDialog : public PreviewDialog {
    Q_OBJECT
public:
    // The line built by OK (CP932); empty until the dialog was confirmed.
    const std::string& line() const { return line_; }
    // False when a list the dialog needs is missing or could not be read (the author has been
    // told); the dialog is not to be run then.
    bool opened() const { return opened_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // OK: the line of Build, kept, then Leave and close; Cancel: Leave and close. (They stay the
    // dialog's slots.)
    void accept() override;
    void reject() override;
    ~CommandDialog() override;

protected:
    CommandDialog(EditorContext& context, const QString& caption, QWidget* parent);

    // The line of the controls as they stand, or nullopt after Refuse.
    virtual std::optional<std::string> Build() = 0;
    // What closing the dialog either way undoes: the audio choices stopped, the preview closed (in
    // no mode).
    virtual void Leave();
    // The dialog shows its choice in the shared image view in `mode` while it is open, with an
    // arrow cursor (nothing is picked there) unless `picks`, when the mode's own cursor stays.
    void PreviewIn(ViewMode mode, bool picks = false);
    void OpenPreview() override;
    // Shows in the preview what the controls choose now (a preview switch and its drop-down call it);
    // by default the picture of the image choice, when there is one.
    virtual void ShowPreview();

    // Tells the author what OK is missing; the dialog stays open.
    std::nullopt_t Refuse(const QString& text);
    // Records how reading the list file `fileName` of the data folder went. An unreadable file is
    // reported; a missing one too when `missingStops` (else its list is just empty). Only the first
    // list that stops the dialog is reported.
    void NeedList(std::string_view fileName, ReadStatus status, bool missingStops = false);

    // ---- the form, top to bottom; `into` is the body when null ----
    QVBoxLayout* body() const { return body_; }
    // A row of boxes across the form.
    QHBoxLayout* AddLine();
    // A box titled `title` (none when empty) holding one row of controls (a column when `column`),
    // placed in `into`.
    QGroupBox* AddBox(const QString& title, QBoxLayout* into = nullptr, int stretch = 0, bool column = false);
    // The row (or column) of a box of AddBox.
    static QBoxLayout* Row(QGroupBox* box);
    // What the project's numbers stand for (lists read when first asked).
    RecordNames& names();
    // A drop-down of `texts` in its box, nothing chosen; sized to `minimumChars` when above 0. A
    // filter box stands before it once it holds more than 20 entries.
    QComboBox* AddChoice(const QString& title, int minimumChars, const QStringList& texts = {},
                         QBoxLayout* into = nullptr);
    // A drop-down of the files of the image folder (AddChoice), nothing chosen; each choice is shown
    // at once (ShowPreview).
    QComboBox* AddImageChoice(const QString& title, int minimumChars);
    // A check box after the drop-down in its row that only drives a preview (nothing is saved); both
    // show their choice through ShowPreview.
    QCheckBox* AddPreviewSwitch(QComboBox* choice, const QString& label, bool checked);
    // "なし" (chosen) and the names of an audio list in a drop-down, with "再生", which plays each
    // choice at once (the player is stopped by Leave).
    struct AudioChoice {
        QComboBox* choice;
        QCheckBox* play;
        PlayOnSelect* player;
        ReadStatus read;
    };
    AudioChoice AddAudioChoice(const QString& title, AudioList list);
    // A whole number in its box.
    NumberSpin* AddNumber(const QString& title, int min, int max, int value, QBoxLayout* into = nullptr, int stretch = 0);
    // "X" (-xLimit..xLimit) and "Y" (-yLimit..yLimit) side by side in a box.
    std::pair<NumberSpin*, NumberSpin*> AddPoint(const QString& title, int xLimit, int yLimit, int x = 0, int y = 0);
    // Radio buttons in a row, one per label, the one at `checked` checked; the ids are the positions.
    QButtonGroup* AddRadios(const QString& title, const std::vector<QString>& labels, int checked,
                            QBoxLayout* into = nullptr);
    // Radio buttons one above the other in a box, none checked.
    std::vector<QRadioButton*> AddRadioColumn(const QString& title, const std::vector<QString>& labels,
                                              QBoxLayout* into = nullptr);
    // A drop-down of the texts of the text list (CP932, read by the dialog and outliving it), each
    // shown by its first bytes, nothing chosen, and below it the chosen text whole, read-only.
    QComboBox* AddTalkText(const QString& title, const std::vector<std::string>& texts, QBoxLayout* into = nullptr,
                           int stretch = 0);
    // The group chooser of the groups `explanations` describe.
    GroupChooser* AddGroup(const QString& title, std::vector<std::string> explanations);
    // The confirming row; the last thing a constructor adds.
    void AddButtons();

private:
    std::string line_;
    std::unique_ptr<RecordNames> names_;
    std::vector<PlayOnSelect*> players_;
    QComboBox* image_ = nullptr;
    bool opened_ = true;
    bool previewing_ = false;
    bool picks_ = false;
    ViewMode previewMode_{};
    QVBoxLayout* body_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The texts (CP932) as the interface shows them.
QStringList Cp932Texts(const std::vector<std::string>& texts);
template <class Row>
QStringList Cp932Texts(const std::vector<Row>& rows, std::string Row::*text) {
    std::vector<std::string> texts;
    texts.reserve(rows.size());
    for (const Row& row : rows) texts.push_back(row.*text);
    return Cp932Texts(texts);
}

// The refusal of a built line that does not fit in a stored command line.
QString LineTooLongText(std::size_t bytes, const QString& whatToShorten);

// Builds the dialog and runs it when it opened; its line when confirmed.
template <class Dialog, class... Arguments>
std::optional<std::string> RunCommandDialog(Arguments&&... arguments) {
    Dialog dialog(std::forward<Arguments>(arguments)...);
    if (!dialog.opened() || dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.line();
}

}  // namespace lw
