#include "widgets/placed_list_editor.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QObject>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/flag_explanations.h"
#include "widgets/dialog_buttons.h"
#include "widgets/record_names_ui.h"
#include "widgets/read_guard.h"
#include "widgets/preview_box.h"

namespace lw {

namespace {

QString FileNames(const std::vector<std::string>& names) {
    QStringList out;
    for (const std::string& n : names) out << FromCp932(n);
    return out.join(QLatin1Char('\n'));
}

QString OverfullHeading(SceneList which) {
    switch (which) {
    case SceneList::Npc: return QObject::tr("\n\nNPCが%1個を超える場面:\n").arg(kSceneNpcCapacity);
    case SceneList::Chest: return QObject::tr("\n\n宝箱が%1個を超える場面:\n").arg(kSceneTreasureCapacity);
    case SceneList::Shop: return QObject::tr("\n\n店・宿屋・立て札・定位置戦闘が%1個を超える場面:\n").arg(kSceneEventPositionCapacity);
    }
    return {};
}

PlacedListSave SaveListWithScenes(EditorContext& context, QWidget* owner, std::string_view listFile,
                                  const TagContentFn& content, SceneList which, std::span<const SceneListRow> rows,
                                  const SceneCatalog& catalog) {
    if (!context.services) return {PlacedListOutcome::Cancelled, {}, {}, {}, {}};
    DialogSaveUi ui(*context.services, owner);
    PlacedListFiles files{listFile, content, which, rows, &catalog,
                          context.flagsRead != ReadStatus::Unreadable ? &context.flags : nullptr};
    PlacedListSave saved = SavePlacedList(context.project, files, ui);
    const QString list = FromCp932(listFile);
    const QString nothing = QObject::tr("ファイルは書き換えていません。");
    switch (saved.outcome) {
    case PlacedListOutcome::Saved:
        break;
    case PlacedListOutcome::Declined:
        Warn(context, owner,
             QObject::tr("%1 を上書きしなかったため、保存を取り消しました。").arg(FromCp932(saved.declinedFile)) + nothing);
        break;
    case PlacedListOutcome::Cancelled:
        Warn(context, owner, QObject::tr("保存を取り消しました。") + nothing);
        break;
    case PlacedListOutcome::Refused:
        if (!saved.sameFile.empty())
            Warn(context, owner,
                 QObject::tr("%1 と %2 は同じファイルを指しているため、保存を取り消しました。")
                         .arg(FromCp932(saved.sameFile[0]), FromCp932(saved.sameFile[1])) +
                     nothing);
        else
            Warn(context, owner,
                 QObject::tr("次のファイルはプロジェクトのフォルダーの外を指しているため、保存を取り消しました。") + nothing +
                     QStringLiteral("\n\n") + FileNames(saved.outside));
        break;
    case PlacedListOutcome::ListFailed:
        Warn(context, owner, QObject::tr("%1 を保存できなかったため、場面ファイルも書き換えていません。").arg(list));
        break;
    case PlacedListOutcome::ScenesFailed: {
        QString text = QObject::tr("次の場面ファイルを書き換えられないため、%1 も場面ファイルも保存していません。").arg(list);
        if (!saved.scenes.unreadable.empty())
            text += QObject::tr("\n\n読み込めない場面ファイル:\n") + FileNames(saved.scenes.unreadable);
        if (!saved.scenes.overfull.empty()) text += OverfullHeading(which) + FileNames(saved.scenes.overfull);
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

}  // namespace

PlacedListFrame::PlacedListFrame(EditorContext& context, QDialog* dialog, const PlacedListOptions& options)
    : context_(context),
      dialog_(dialog),
      names_(InterfaceRecordNames(context.project, &catalog_)),
      okNeedsRows_(options.okNeedsRows) {
    auto* layout = new QVBoxLayout(dialog);
    panel_ = new ListEditorPanel({.addLabel = QObject::tr("追加..."), .editButton = true}, dialog);
    panel_->AddUsagesButton(context.project, options.target);
    panel_->view()->setMinimumSize(options.minimumWidth, options.minimumHeight);
    layout->addWidget(panel_, 1);
    if (options.showBox) {
        show_ = NewPreviewBox(QObject::tr("表示"), dialog);
        layout->addWidget(show_);
    }
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(dialog, buttons);
    layout->addLayout(buttons);
    if (okNeedsRows_) panel_->EnableBy(ok_, ListEditorPanel::Enable::WithRows);
}

PlacedListFrame::~PlacedListFrame() { FreeSceneCatalog(catalog_); }

const Project& PlacedListFrame::project() const { return context_.project; }

void PlacedListFrame::Release() { FreeSceneCatalog(catalog_); }

std::vector<Problem> PlacedListFrame::RenumberCatalogLines(RefTarget target, const RowRenumbering& step) {
    std::vector<std::vector<EventCommandGroup>> renumbered(catalog_.entries.size());
    std::vector<Problem> refused;
    for (std::size_t i = 0; i < catalog_.entries.size(); ++i) {
        const SceneCatalogEntry& e = catalog_.entries[i];
        if (e.status != ReadStatus::Ok) continue;
        renumbered[i] = e.groups();
        for (Problem& p : RenumberGroupLines(renumbered[i], e.fileName, target, step)) refused.push_back(std::move(p));
    }
    if (!refused.empty()) return refused;
    for (std::size_t i = 0; i < catalog_.entries.size(); ++i)
        if (catalog_.entries[i].status == ReadStatus::Ok) catalog_.entries[i].groups() = std::move(renumbered[i]);
    return {};
}

bool PlacedListFrame::SaveRows(std::string_view listFile, const TagContentFn& content, SceneList which,
                               std::span<const SceneListRow> rows) {
    if (okNeedsRows_ && rows.empty()) return false;  // OK is disabled while the list is empty
    if (loadStatus_ == ReadStatus::Unreadable) return true;
    report_ = SaveListWithScenes(context_, dialog_, listFile, content, which, rows, catalog_);
    // Nothing (or not everything) was written: the editor stays open with the author's work.
    return report_.outcome == PlacedListOutcome::Saved;
}

}  // namespace lw
