#pragma once
// The one seam between dialogs and the desktop: message boxes, the folder and file choosers and
// the trash. The program uses QtServices; tests use a scripted fake (tests/support/qt).

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/tagfile/file_io.h"

class QFileDialog;
class QWidget;

namespace lw {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

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

    // A plain message with the caption "Lorewright", an OK button and no icon.
    void Inform(QWidget* owner, const QString& text);
};

class QtServices final : public Services {
public:
    MessageAnswer ShowMessage(QWidget* owner, const Message& message) override;
    std::optional<QString> ChooseFolder(QWidget* owner, const QString& title, const QString& initial) override;
    std::optional<QString> ChooseOpenFile(QWidget* owner, const QStringList& filters) override;
    bool MoveToTrash(const QString& path) override;
};

// Gives an open-file dialog the filters of ChooseOpenFile.
void SetOpenFileFilters(QFileDialog& dialog, const QStringList& filters);

// Answers a list file's save questions with the program's messages: the overwrite question
// (Yes/No, Yes default, no icon, captioned with the file's path) and "ファイルを作成できません".
class DialogSaveUi final : public SaveUi {
public:
    DialogSaveUi(Services& services, QWidget* owner) : services_(services), owner_(owner) {}
    bool ConfirmOverwrite(std::string_view displayPath) override;
    void CannotCreate() override;

private:
    Services& services_;
    QWidget* owner_;
};

// Moves a project file to the desktop's trash (restorable) when it exists. True when moved.
bool MoveDataFileToRecycleBin(Services& services, const std::filesystem::path& path);

// CP932 bytes <-> text shown in the interface.
QString FromCp932(std::string_view bytes);
// nullopt when the text has characters CP932 cannot hold.
std::optional<std::string> ToCp932(const QString& text);

}  // namespace lw
