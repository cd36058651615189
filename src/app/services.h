#pragma once
// The one seam between dialogs and the desktop: message boxes, the folder and file choosers and
// the trash. The program uses QtServices; tests use a scripted fake (tests/support/qt).

#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "core/tagfile/file_io.h"

class QFileDialog;
class QProgressDialog;
class QWidget;

namespace lw {

enum class MessageIcon { None, Information, Warning, Error, Question };
// UpdateKeepCancel: the question before a delete or move of a row that is referred to, with
// "参照を更新" (Update), "そのまま" (Keep), "ｷｬﾝｾﾙ" (Cancel) and "使用箇所..." (Usages, which closes the
// question so the caller can show the places and ask again).
enum class MessageButtons { Ok, YesNo, YesNoYesToAll, UpdateKeepCancel };
enum class MessageAnswer { Ok, Yes, No, YesToAll, Update, Keep, Cancel, Usages };

struct Message {
    QString text;
    QString caption = QStringLiteral("Lorewright");
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

class Services {
public:
    virtual ~Services() = default;
    virtual MessageAnswer ShowMessage(QWidget* owner, const Message& message) = 0;
    // A folder, or nullopt when cancelled. `initial` is preselected when not empty.
    virtual std::optional<QString> ChooseFolder(QWidget* owner, const QString& title, const QString& initial) = 0;
    // A file to open, or nullopt when cancelled. Filters in QFileDialog form ("text (patterns)"),
    // shown exactly as given, the first selected; the pattern "*.*" matches every file.
    virtual std::optional<QString> ChooseOpenFile(QWidget* owner, const QStringList& filters) = 0;
    // Moves a file to the desktop's trash, from where it can be restored. False when it could not
    // be moved (the file is then where it was).
    virtual bool MoveToTrash(const QString& path) = 0;

    // The progress of a save or load of many files: `done` of `total` files, the file at hand.
    // `atOnce`: a save's, shown at once with a cancel button (false once pressed); otherwise a
    // load's, shown only once it has taken half a second, with no cancel button. EndProgress
    // closes it.
    virtual bool ShowProgress(QWidget* owner, int done, int total, const QString& file, bool atOnce) = 0;
    virtual void EndProgress() = 0;

    // A plain message with the caption "Lorewright", an OK button and no icon.
    void Inform(QWidget* owner, const QString& text);
};

class QtServices final : public Services {
public:
    MessageAnswer ShowMessage(QWidget* owner, const Message& message) override;
    std::optional<QString> ChooseFolder(QWidget* owner, const QString& title, const QString& initial) override;
    std::optional<QString> ChooseOpenFile(QWidget* owner, const QStringList& filters) override;
    bool MoveToTrash(const QString& path) override;
    bool ShowProgress(QWidget* owner, int done, int total, const QString& file, bool atOnce) override;
    void EndProgress() override;
    QtServices();
    ~QtServices() override;

private:
    std::unique_ptr<QProgressDialog> progress_;
};

// Gives an open-file dialog the filters of ChooseOpenFile.
void SetOpenFileFilters(QFileDialog& dialog, const QStringList& filters);

// Answers a list file's save questions with the program's messages: the overwrite question
// (Yes/No, Yes default, no icon, captioned with the file's path; within a save of several files
// with "すべてはい" as well), "ファイルを作成できません", a file that leads out of the project
// folder, and the progress of a save of more than 50 files.
class DialogSaveUi final : public SaveUi {
public:
    DialogSaveUi(Services& services, QWidget* owner) : services_(services), owner_(owner) {}
    bool ConfirmOverwrite(std::string_view displayPath) override;
    OverwriteAnswer ConfirmOverwriteOfMany(std::string_view displayPath) override;
    void WritingTogether(std::span<const std::string> displayPaths) override;
    void CannotCreate() override;
    void OutsideProject(std::string_view displayPath) override;
    bool Preparing(std::size_t done, std::size_t total, std::string_view displayPath) override;
    void Finished() override;
    // True once a file could not be written ("cannot create", or a file outside the project): the
    // editor then stays open with what the author entered.
    bool failed() const { return failed_; }

private:
    Services& services_;
    QWidget* owner_;
    QStringList together_;  // named in the next overwrite question, then forgotten
    bool progressShown_ = false;
    bool failed_ = false;
};

// A save of more files than this shows its progress.
inline constexpr std::size_t kProgressFileCount = 50;

// Moves a project file to the desktop's trash (restorable) when it exists. True when moved.
bool MoveDataFileToRecycleBin(Services& services, const std::filesystem::path& path);

// CP932 bytes <-> text shown in the interface.
QString FromCp932(std::string_view bytes);
// nullopt when the text has characters CP932 cannot hold.
std::optional<std::string> ToCp932(const QString& text);

}  // namespace lw
