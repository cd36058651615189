#include "editors/events/command_dialog_support.h"
#include "app/language.h"

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "widgets/read_guard.h"

namespace lw {

void WarnAuthor(EditorContext& context, QWidget* owner, const QString& text) {
    if (context.services) context.services->ShowMessage(owner, Message{.text = text, .icon = MessageIcon::Warning});
}

bool ReportUnreadableList(EditorContext& context, QWidget* owner,
                          std::initializer_list<std::pair<std::string_view, ReadStatus>> lists) {
    for (const auto& [fileName, status] : lists)
        if (ReportUnreadable(context, owner, fileName, status)) return true;
    return false;
}

QString Utf8Label(std::string_view label) {
    return CoreText(label);
}

QString LineTooLongText(std::size_t bytes, const QString& whatToShorten) {
    return QObject::tr("ｺﾏﾝﾄﾞが長すぎます（%1ﾊﾞｲﾄ、1行は%2ﾊﾞｲﾄまで）。\n%3を短くしてください")
        .arg(bytes)
        .arg(kEventCommandStoredBytes)
        .arg(whatToShorten);
}

}  // namespace lw
