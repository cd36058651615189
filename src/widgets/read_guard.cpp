#include "widgets/read_guard.h"

#include "app/editor_context.h"
#include "app/services.h"

namespace lw {

bool ReportUnreadable(EditorContext& context, QWidget* owner, std::string_view fileName, ReadStatus status) {
    if (status != ReadStatus::Unreadable) return false;
    if (context.services) {
        context.services->ShowMessage(
            owner, Message{.text = QObject::tr("%1 を読み込めません。\nこのファイルは上書きされません。")
                                       .arg(FromCp932(DataFileDisplayPath(context.project, fileName))),
                           .icon = MessageIcon::Warning});
    }
    return true;
}

bool SaveUnlessUnreadable(EditorContext& context, QWidget* owner, ReadStatus status,
                          const std::function<void(SaveUi&)>& save) {
    if (!context.services || status == ReadStatus::Unreadable) return true;
    DialogSaveUi ui(*context.services, owner);
    save(ui);
    return !ui.failed();
}

}  // namespace lw
