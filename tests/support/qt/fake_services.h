#pragma once
// Scripted desktop services for UI tests: every message is recorded, questions are answered from
// a queue (Yes when the queue is empty), and the choosers return what the test put in.

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "app/services.h"

namespace lw::test {

class FakeServices final : public Services {
public:
    struct Shown {
        QString text;
        QString caption;
        MessageButtons buttons;
        MessageIcon icon;
        MessageAnswer defaultAnswer;
    };

    MessageAnswer ShowMessage(QWidget* owner, const Message& message) override;
    std::optional<QString> ChooseFolder(QWidget* owner, const QString& title, const QString& initial) override;
    std::optional<QString> ChooseOpenFile(QWidget* owner, const QStringList& filters) override;
    bool MoveToTrash(const QString& path) override;
    bool ShowProgress(QWidget* owner, int done, int total, const QString& file, bool atOnce) override;
    void EndProgress() override;

    std::vector<Shown> messages;
    std::deque<MessageAnswer> answers;                 // for Yes/No questions
    std::deque<std::optional<QString>> folders;        // nullopt = cancelled; empty queue = cancelled
    std::deque<std::optional<QString>> files;          // nullopt = cancelled; empty queue = cancelled
    std::vector<QString> folderTitles, folderInitials;
    std::vector<QStringList> fileFilters;
    std::vector<QString> trashed;
    // Progress: every step shown (done, total, file), whether it is open, and the step at which the
    // author presses Cancel (-1 never).
    struct Step {
        int done;
        int total;
        QString file;
    };
    std::vector<Step> progress;
    bool progressOpen = false;
    int cancelProgressAt = -1;

    // Texts of the messages shown so far.
    QStringList texts() const;
};

}  // namespace lw::test
