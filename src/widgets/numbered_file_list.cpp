#include "widgets/numbered_file_list.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <tuple>

#include "app/services.h"
#include "core/project/project.h"
#include "widgets/dialog_buttons.h"
#include "widgets/preview_box.h"
#include "widgets/list_editor_panel.h"

namespace lw {

NumberedFileList::NumberedFileList(EditorContext& context, QDialog* dialog, bool addAndDelete)
    : QObject(dialog), context_(context), dialog_(dialog) {
    auto* layout = new QHBoxLayout(dialog);
    list_ = new QListWidget(dialog);
    list_->setMinimumSize(200, 260);
    layout->addWidget(list_, 1);

    auto* side = new QVBoxLayout();
    if (addAndDelete) add_ = new QPushButton(tr("追加..."), dialog);
    edit_ = new QPushButton(tr("編集..."), dialog);
    if (addAndDelete) delete_ = new QPushButton(tr("削除"), dialog);
    show_ = NewPreviewBox(tr("表示"), dialog);
    show_->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(add_), static_cast<QWidget*>(edit_), static_cast<QWidget*>(delete_),
                       static_cast<QWidget*>(show_)})
        if (w) side->addWidget(w);
    side->addStretch(1);
    auto* buttonRow = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(dialog, buttonRow);
    side->addLayout(buttonRow);
    layout->addLayout(side);
    if (delete_) DeleteKeyPresses(list_, delete_);
}

int NumberedFileList::selected() const { return list_->currentRow(); }

void NumberedFileList::Select(int row) { list_->setCurrentRow(row); }

QString NumberedFileList::RowText(std::string_view fileName, ReadStatus status) {
    QString text = FromCp932(fileName);
    if (status == ReadStatus::Unreadable) text += tr("  (読み込めません・書き込みません)");
    return text;
}

void NumberedFileList::AddItem(const QString& text) { list_->addItem(text); }

void NumberedFileList::InsertItem(int index, const QString& text) { list_->insertItem(index, text); }

void NumberedFileList::RemoveItem(int index) {
    delete list_->takeItem(index);
    Select(index < list_->count() ? index : -1);
}

bool NumberedFileList::TrashFile(const std::string& fileName) {
    if (!context_.services) return false;
    const MessageAnswer answer = context_.services->ShowMessage(
        dialog_, Message{.text = tr("削除はｷｬﾝｾﾙで取り消せません。\n削除したﾌｧｲﾙはごみ箱に入ります。\n削除しますか？"),
                         .buttons = MessageButtons::YesNo,
                         .icon = MessageIcon::Question,
                         .defaultAnswer = MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes) return false;
    const std::filesystem::path path = std::filesystem::absolute(DataFilePath(context_.project, fileName));
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !MoveDataFileToRecycleBin(*context_.services, path)) {
        // The file is still there: its row stays, so the list keeps saying what the folder holds.
        context_.services->ShowMessage(
            dialog_, Message{.text = tr("%1 をごみ箱に移せません。").arg(FromCp932(DataFileDisplayPath(context_.project, fileName))),
                             .icon = MessageIcon::Warning});
        return false;
    }
    return true;
}

}  // namespace lw
