#include "editors/scenes/map_animation_list_editor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "app/editor_context.h"
#include "app/load_progress.h"
#include "core/project/data_file_set.h"
#include "app/services.h"
#include "core/world/map_animation_steps.h"
#include "core/world/scene_numbers.h"
#include "editors/scenes/map_animation_settings_step.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/read_guard.h"

namespace lw {

MapAnimationListEditor::MapAnimationListEditor(EditorContext& context, QWidget* parent)
    : PreviewDialog(context, parent) {
    setWindowTitle(tr("ﾏｯﾌﾟｱﾆﾒ"));
    ReopenPreviewOnActivation();
    auto* layout = new QHBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setMinimumSize(200, 260);
    layout->addWidget(list_, 1);

    auto* side = new QVBoxLayout();
    add_ = new QPushButton(tr("追加..."), this);
    edit_ = new QPushButton(tr("編集..."), this);
    delete_ = new QPushButton(tr("削除"), this);
    show_ = new QCheckBox(tr("表示"), this);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    show_->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(add_), static_cast<QWidget*>(edit_), static_cast<QWidget*>(delete_),
                       static_cast<QWidget*>(show_)})
        side->addWidget(w);
    side->addStretch(1);
    auto* buttonRow = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttonRow);
    side->addLayout(buttonRow);
    layout->addLayout(side);

    std::vector<MapAnimationFileEntry> files = ListMapAnimationFiles(context_.project);
    {
        // Closed before any file is reported unreadable.
        LoadProgress progress(context_.services, parent);
        for (MapAnimationFileEntry& file : files) {
            progress.Step(rows_.size(), files.size(), file.fileName);
            MapAnimationRow row;
            row.fileName = std::move(file.fileName);
            row.number = file.number;
            row.status = LoadMapAnimationFile(context_.project, row.fileName, row.animation);
            list_->addItem(RowText(row));
            rows_.push_back(std::move(row));
        }
    }
    // Files that cannot be read are named once each; their rows stay and are never written.
    for (const MapAnimationRow& row : rows_) ReportUnreadable(context_, parent, row.fileName, row.status);

    connect(add_, &QPushButton::clicked, this, &MapAnimationListEditor::Add);
    connect(edit_, &QPushButton::clicked, this, &MapAnimationListEditor::EditSelected);
    connect(delete_, &QPushButton::clicked, this, &MapAnimationListEditor::DeleteSelected);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { EditSelected(); });
    connect(show_, &QCheckBox::toggled, this, [this] { ShowSelected(); });
    if (!rows_.empty()) SelectRow(0);
}

MapAnimationListEditor::~MapAnimationListEditor() = default;

QString MapAnimationListEditor::RowText(const MapAnimationRow& row) {
    QString text = FromCp932(row.fileName);
    if (row.status == ReadStatus::Unreadable) text += tr("  (読み込めません・書き込みません)");
    return text;
}

int MapAnimationListEditor::selectedRow() const { return list_->currentRow(); }

void MapAnimationListEditor::SelectRow(int row) { list_->setCurrentRow(row); }

void MapAnimationListEditor::OpenPreview() {
    ImageView& v = view();
    if (!v.IsOpen()) {
        v.Open(this);
        v.SetMode(ViewMode::MapAnimation, this);
        v.SetCursorShape(Qt::ArrowCursor);
    }
    ShowSelected();
}

// The selected file's animations run one after another; a file without animations shows its
// whole bitmap.
void MapAnimationListEditor::ShowSelected() {
    ImageView& v = view();
    const int row = selectedRow();
    const bool any = row >= 0 && row < static_cast<int>(rows_.size());
    const MapAnimation* file = any ? &rows_[static_cast<std::size_t>(row)].animation : nullptr;
    v.state().animation = file ? PreviewRecordOfFile(*file) : EffectAnimation{};
    if (!v.IsOpen()) return;
    v.RestartAnimation();
    if (!file || !show_->isChecked()) {
        v.Hide();
        return;
    }
    if (!file->animations.empty()) {
        v.SetMode(ViewMode::MapAnimation, this);
        v.ShowAnimationCell(this, file->imageFile);
    } else {
        v.SetMode(ViewMode::MapAnimationList, this);
        if (v.ShowImageByName(this, FromCp932(file->imageFile)) && v.state().main.exists()) {
            v.Show();
        } else {
            v.Hide();
        }
    }
    v.SetCaption(FromCp932(rows_[static_cast<std::size_t>(row)].fileName));
    list_->setFocus();
}

bool MapAnimationListEditor::RunSteps(MapAnimation& working) {
    view().Close();
    MapAnimationSettingsStep settings(context_, working, this);
    const bool ok = settings.exec() == QDialog::Accepted;
    if (isVisible()) OpenPreview();
    return ok;
}

void MapAnimationListEditor::Add() {
    MapAnimation working = NewMapAnimation();
    if (!RunSteps(working)) return;

    std::vector<int> used;
    for (const MapAnimationRow& row : rows_) used.push_back(row.number);
    MapAnimationRow row;
    row.number = NextFreeFileNumber(used);
    row.fileName = MapAnimationFileName(row.number);
    row.animation = std::move(working);
    // Rows stay sorted by name, as the folder lists them.
    auto at = std::lower_bound(rows_.begin(), rows_.end(), row.fileName,
                               [](const MapAnimationRow& r, const std::string& name) { return r.fileName < name; });
    const int index = static_cast<int>(at - rows_.begin());
    list_->insertItem(index, RowText(row));
    rows_.insert(at, std::move(row));
    SelectRow(index);
    ShowSelected();
}

void MapAnimationListEditor::EditSelected() {
    const int index = selectedRow();
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    MapAnimationRow& row = rows_[static_cast<std::size_t>(index)];
    // A file that could not be read is not shown as an empty one: editing it would only lose it.
    if (ReportUnreadable(context_, this, row.fileName, row.status)) return;
    MapAnimation working = row.animation;
    if (RunSteps(working)) rows_[static_cast<std::size_t>(index)].animation = std::move(working);
    ShowSelected();
}

void MapAnimationListEditor::DeleteSelected() {
    const int index = selectedRow();
    if (index < 0 || index >= static_cast<int>(rows_.size()) || !context_.services) return;
    const MessageAnswer answer = context_.services->ShowMessage(
        this, Message{.text = tr("削除はｷｬﾝｾﾙで取り消せません。\n削除したﾌｧｲﾙはごみ箱に入ります。\n削除しますか？"),
                      .buttons = MessageButtons::YesNo,
                      .icon = MessageIcon::Question,
                      .defaultAnswer = MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes) return;
    const MapAnimationRow& row = rows_[static_cast<std::size_t>(index)];
    const std::filesystem::path path = std::filesystem::absolute(DataFilePath(context_.project, row.fileName));
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !MoveDataFileToRecycleBin(*context_.services, path)) {
        // The file is still there: its row stays, so the list keeps saying what the folder holds.
        context_.services->ShowMessage(
            this, Message{.text = tr("%1 をごみ箱に移せません。").arg(FromCp932(DataFileDisplayPath(context_.project, row.fileName))),
                          .icon = MessageIcon::Warning});
        return;
    }
    rows_.erase(rows_.begin() + index);
    delete list_->takeItem(index);
    SelectRow(index < static_cast<int>(rows_.size()) ? index : -1);
    ShowSelected();
}

void MapAnimationListEditor::Leave() {
    rows_.clear();
    view().Close();
    view().SetMode(ViewMode::None);
}

void MapAnimationListEditor::accept() {
    if (context_.services) {
        DialogSaveUi ui(*context_.services, this);
        std::vector<DataFileWrite> files;
        for (const MapAnimationRow& row : rows_)
            if (row.status != ReadStatus::Unreadable)
                files.push_back(DataFileWrite::Tag(
                    row.fileName, [&row](TagWriter& w) { WriteMapAnimation(w, row.animation); }));
        SaveDataFileSet(context_.project, files, ui);
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    Leave();
    done(QDialog::Accepted);
}

void MapAnimationListEditor::reject() {
    Leave();
    done(QDialog::Rejected);
}

int RunMapAnimationListEditor(EditorContext& context, QWidget* parent) {
    MapAnimationListEditor editor(context, parent);
    return editor.exec();
}

}  // namespace lw
