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

    std::vector<Shown> messages;
    std::deque<MessageAnswer> answers;                 // for Yes/No questions
    std::deque<std::optional<QString>> folders;        // nullopt = cancelled; empty queue = cancelled
    std::deque<std::optional<QString>> files;          // nullopt = cancelled; empty queue = cancelled
    std::vector<QString> folderTitles, folderInitials;
    std::vector<QStringList> fileFilters;
    std::vector<QString> trashed;

    // Texts of the messages shown so far.
    QStringList texts() const;
};

}  // namespace lw::test
