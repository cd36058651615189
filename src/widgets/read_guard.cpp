#include "widgets/read_guard.h"

#include <QStringList>
#include <algorithm>

#include "app/editor_context.h"
#include "app/services.h"

namespace lw {

bool ReportUnreadable(EditorContext& context, QWidget* owner, std::string_view fileName, ReadStatus status) {
    if (status != ReadStatus::Unreadable) return false;
    Warn(context, owner,
         QObject::tr("%1 を読み込めません。\nこのファイルは上書きされません。")
             .arg(FromCp932(DataFileDisplayPath(context.project, fileName))));
    return true;
}

void ReportUnreadableFiles(EditorContext& context, QWidget* owner, const std::vector<std::string>& fileNames) {
    if (fileNames.size() == 1) ReportUnreadable(context, owner, fileNames[0], ReadStatus::Unreadable);
    if (fileNames.size() <= 1) return;
    constexpr std::size_t kNamed = 10;
    QStringList lines;
    for (std::size_t i = 0; i < std::min(fileNames.size(), kNamed); ++i)
        lines << FromCp932(DataFileDisplayPath(context.project, fileNames[i]));
    if (fileNames.size() > kNamed) lines << QObject::tr("ほか %1 件").arg(fileNames.size() - kNamed);
    Warn(context, owner,
         QObject::tr("%1\n\n以上のファイルを読み込めません。\nこれらのファイルは上書きされません。").arg(lines.join(u'\n')));
}

bool SaveUnlessUnreadable(EditorContext& context, QWidget* owner, ReadStatus status,
                          const std::function<void(SaveUi&)>& save) {
    if (!context.services || status == ReadStatus::Unreadable) return true;
    DialogSaveUi ui(*context.services, owner);
    save(ui);
    return !ui.failed();
}

void Inform(EditorContext& context, QWidget* owner, const QString& text) {
    if (context.services) context.services->Inform(owner, text);
}

void Warn(EditorContext& context, QWidget* owner, const QString& text) {
    if (context.services) context.services->ShowMessage(owner, Message{.text = text, .icon = MessageIcon::Warning});
}

}  // namespace lw
