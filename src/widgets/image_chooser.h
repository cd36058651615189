#pragma once
// The drop-down of picture files: the image folder's files, sorted, optionally with "なし" (none)
// first. A stored name selects the first entry that begins with it, ignoring case (a name such as
// "?.bmp" selects nothing); typing on the closed drop-down does the same with what was typed.
//
//   ImageChooser files(this);
//   files.Fill(context.project);            // nothing chosen, no signal
//   files.LoadName(record.fileName);        // shows it; nothing is stored
//   ... record.fileName = files.ChosenName();
//
// ChosenName() gives back the loaded name exactly while the author has not chosen another entry,
// so a name whose file is missing, or that only began an entry, is kept as it was. The chooser can
// also hold other CP932 entries (SetEntries), which the property editor uses for its drop-downs.

#include <QComboBox>
#include <QElapsedTimer>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"

namespace lw {

class ImageChooser : public QComboBox {
    Q_OBJECT
public:
    explicit ImageChooser(QWidget* parent = nullptr);

    // Empties the drop-down and lists the image folder's files, "なし" first when asked; nothing is
    // chosen and no change is signalled.
    void Fill(const Project& project, bool withNone = false);
    // The same with the given CP932 entries.
    void SetEntries(std::vector<std::string> entries, bool withNone = false);
    // The entries as listed ("なし" included), CP932.
    const std::vector<std::string>& entries() const { return entries_; }

    // Selects the first entry that begins with `name` (nothing when none does), without signalling
    // a choice, and remembers `name` as the stored value.
    void LoadName(std::string_view name);
    // The stored name while the selection is still the one LoadName made; otherwise the chosen
    // entry (empty when nothing is chosen; "なし" is given as its text).
    std::string ChosenName() const;
    bool NoneChosen() const;
    // Selects the first entry that begins with `prefix`, as a choice of the author (signalled);
    // returns its position, or -1 leaving the selection as it was.
    int SelectByPrefix(std::string_view prefix);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<std::string> entries_;
    bool withNone_ = false;
    std::string loadedName_;
    int loadedIndex_ = -2;  // no LoadName yet
    QString typed_;
    QElapsedTimer typedAt_;
};

}  // namespace lw
