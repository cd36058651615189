#include "editors/scenes/scene_list_editor.h"

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
#include "core/world/scene_catalog.h"
#include "core/world/scene_numbers.h"
#include "editors/scenes/scene_settings_dialog.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/read_guard.h"

namespace lw {

SceneListEditor::SceneListEditor(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowTitle(tr("場面設定1"));
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

    const std::vector<SceneFileEntry> files = ListSceneFiles(context_.project);
    {
        // Closed before any file is reported unreadable.
        LoadProgress progress(context_.services, parent);
        for (const SceneFileEntry& file : files) {
            progress.Step(rows_.size(), files.size(), file.fileName);
            SceneRow row;
            row.fileName = file.fileName;
            row.sceneNumber = file.sceneNumber;
            row.status = LoadSceneFile(context_.project, file.fileName, row.scene);
            list_->addItem(RowText(row));
            rows_.push_back(std::move(row));
        }
    }
    // Files that cannot be read are named once each; their rows stay and are never written.
    for (const SceneRow& row : rows_) ReportUnreadable(context_, parent, row.fileName, row.status);

    connect(add_, &QPushButton::clicked, this, &SceneListEditor::Add);
    connect(edit_, &QPushButton::clicked, this, &SceneListEditor::EditSelected);
    connect(delete_, &QPushButton::clicked, this, &SceneListEditor::DeleteSelected);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        on ? context_.mapView->Show() : context_.mapView->Hide();
    });
    if (!rows_.empty()) SelectRow(0);
}

SceneListEditor::~SceneListEditor() = default;

QString SceneListEditor::RowText(const SceneRow& row) {
    QString text = FromCp932(row.fileName);
    if (row.status == ReadStatus::Unreadable) text += tr("  (読み込めません・書き込みません)");
    return text;
}

int SceneListEditor::selectedRow() const { return list_->currentRow(); }

void SceneListEditor::SelectRow(int row) { list_->setCurrentRow(row); }

void SceneListEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    OpenMapView();
}

void SceneListEditor::OpenMapView() {
    MapView& view = *context_.mapView;
    view.Open(this);
    view.SetMode(MapViewMode::Browse, this);
    ShowSelected();
    if (show_->isChecked()) view.Show();
}

void SceneListEditor::ShowSelected() {
    MapView& view = *context_.mapView;
    if (!view.IsOpen() || view.owner() != this) return;
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        view.ReleaseContents();
        view.SetCaption(QString());
        view.Repaint();
        return;
    }
    view.ShowScene(SceneOnMap(rows_[static_cast<std::size_t>(row)].scene));
}

void SceneListEditor::CloseMapView() {
    MapView& view = *context_.mapView;
    view.ReleaseContents();
    view.Close();
}

void SceneListEditor::Add() {
    SceneSettingsDialog dialog(context_, nullptr, this);
    const int result = dialog.exec();
    if (isVisible()) OpenMapView();
    if (result != QDialog::Accepted) return;

    std::vector<int> used;
    for (const SceneRow& row : rows_) used.push_back(row.sceneNumber);
    SceneRow row;
    row.sceneNumber = NextFreeSceneNumber(used);
    row.fileName = SceneFileName(row.sceneNumber);
    row.scene = dialog.scene();
    // Rows stay sorted by name, as the folder lists them.
    auto at = std::lower_bound(rows_.begin(), rows_.end(), row.fileName,
                               [](const SceneRow& r, const std::string& name) { return r.fileName < name; });
    const int index = static_cast<int>(at - rows_.begin());
    list_->insertItem(index, RowText(row));
    rows_.insert(at, std::move(row));
    SelectRow(index);
    ShowSelected();
}

void SceneListEditor::EditSelected() {
    const int index = selectedRow();
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    SceneRow& row = rows_[static_cast<std::size_t>(index)];
    // A scene that could not be read is not shown as an empty one: editing it would only lose it.
    if (ReportUnreadable(context_, this, row.fileName, row.status)) return;
    SceneSettingsDialog dialog(context_, &row.scene, this);
    const int result = dialog.exec();
    if (result == QDialog::Accepted) rows_[static_cast<std::size_t>(index)].scene = dialog.scene();
    if (isVisible()) OpenMapView();
}

void SceneListEditor::DeleteSelected() {
    const int index = selectedRow();
    if (index < 0 || index >= static_cast<int>(rows_.size()) || !context_.services) return;
    const MessageAnswer answer = context_.services->ShowMessage(
        this, Message{.text = tr("削除はｷｬﾝｾﾙで取り消せません。\n削除したﾌｧｲﾙはごみ箱に入ります。\n削除しますか？"),
                      .buttons = MessageButtons::YesNo,
                      .icon = MessageIcon::Question,
                      .defaultAnswer = MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes) return;
    const SceneRow& row = rows_[static_cast<std::size_t>(index)];
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

void SceneListEditor::accept() {
    if (context_.services) {
        DialogSaveUi ui(*context_.services, this);
        std::vector<DataFileWrite> files;
        for (const SceneRow& row : rows_)
            if (row.status == ReadStatus::Ok) files.push_back(SceneFileWrite(row.fileName, row.scene));
        SaveDataFileSet(context_.project, files, ui);
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    rows_.clear();
    CloseMapView();
    done(QDialog::Accepted);
}

void SceneListEditor::reject() {
    rows_.clear();
    CloseMapView();
    done(QDialog::Rejected);
}

int RunSceneListEditor(EditorContext& context, QWidget* parent) {
    SceneListEditor editor(context, parent);
    return editor.exec();
}

}  // namespace lw
