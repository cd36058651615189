#include "widgets/read_guard.h"

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
