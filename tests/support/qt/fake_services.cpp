#include "support/qt/fake_services.h"

#include <QFile>

namespace lw::test {

MessageAnswer FakeServices::ShowMessage(QWidget*, const Message& m) {
    messages.push_back({m.text, m.caption, m.buttons, m.icon, m.defaultAnswer});
    if (m.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    // With no answer scripted a question before a renumbering keeps the numbers, as before it was asked.
    if (answers.empty()) return m.buttons == MessageButtons::UpdateKeepCancel ? MessageAnswer::Keep : MessageAnswer::Yes;
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> FakeServices::ChooseFolder(QWidget*, const QString& title, const QString& initial) {
    folderTitles.push_back(title);
    folderInitials.push_back(initial);
    if (folders.empty()) return std::nullopt;
    auto f = folders.front();
    folders.pop_front();
    return f;
}

std::optional<QString> FakeServices::ChooseOpenFile(QWidget*, const QStringList& filters) {
    fileFilters.push_back(filters);
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

bool FakeServices::MoveToTrash(const QString& path) {
    trashed.push_back(path);
    return QFile::remove(path);
}

bool FakeServices::ShowProgress(QWidget*, int done, int total, const QString& file, bool) {
    progress.push_back({done, total, file});
    progressOpen = true;
    return done != cancelProgressAt;
}

void FakeServices::EndProgress() { progressOpen = false; }

QStringList FakeServices::texts() const {
    QStringList out;
    for (const auto& m : messages) out << m.text;
    return out;
}

}  // namespace lw::test
