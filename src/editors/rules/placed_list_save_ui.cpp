#include "editors/rules/placed_list_save_ui.h"

#include <QObject>
#include <QStringList>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/flag_explanations.h"

namespace lw {

namespace {

QString FileNames(const std::vector<std::string>& names) {
    QStringList out;
    for (const std::string& n : names) out << FromCp932(n);
    return out.join(QLatin1Char('\n'));
}

void Warn(EditorContext& context, QWidget* owner, const QString& text) {
    context.services->ShowMessage(owner, Message{.text = text, .icon = MessageIcon::Warning});
}

}  // namespace

PlacedListSave SaveListWithScenes(EditorContext& context, QWidget* owner, std::string_view listFile,
                                  const TagContentFn& content, SceneList which, std::span<const SceneListRow> rows,
                                  const SceneCatalog& catalog) {
    if (!context.services) return {PlacedListOutcome::ListDeclined, {}};
    DialogSaveUi ui(*context.services, owner);
    if (context.flagsRead != ReadStatus::Unreadable) SaveFlagExplanations(context.project, context.flags, ui);
    PlacedListSave saved = SavePlacedList(context.project, listFile, content, which, rows, &catalog, ui);
    const QString list = FromCp932(listFile);
    switch (saved.outcome) {
    case PlacedListOutcome::Saved:
        break;
    case PlacedListOutcome::ListDeclined:
        Warn(context, owner, QObject::tr("%1 を上書きしなかったため、場面ファイルも書き換えていません。").arg(list));
        break;
    case PlacedListOutcome::ListFailed:
        Warn(context, owner, QObject::tr("%1 を保存できなかったため、場面ファイルも書き換えていません。").arg(list));
        break;
    case PlacedListOutcome::ScenesFailed: {
        QString text = QObject::tr("次の場面ファイルを書き換えられないため、%1 も場面ファイルも保存していません。").arg(list);
        if (!saved.scenes.unreadable.empty())
            text += QObject::tr("\n\n読み込めない場面ファイル:\n") + FileNames(saved.scenes.unreadable);
        if (!saved.scenes.overfull.empty())
            text += (which == SceneList::Shop
                         ? QObject::tr("\n\n店・宿屋・立て札・定位置戦闘が64個を超える場面:\n")
                         : QObject::tr("\n\n宝箱が256個を超える場面:\n")) +
                    FileNames(saved.scenes.overfull);
        if (!saved.scenes.failed.empty())
            text += QObject::tr("\n\n書き込めない場面ファイル:\n") + FileNames(saved.scenes.failed);
        Warn(context, owner, text);
        break;
    }
    case PlacedListOutcome::NotReplaced:
        Warn(context, owner, QObject::tr("次の場面ファイルを置き換えられませんでした:\n") + FileNames(saved.scenes.notReplaced));
        break;
    }
    return saved;
}

}  // namespace lw
