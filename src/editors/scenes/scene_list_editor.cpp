#include "editors/scenes/scene_list_editor.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "app/editor_context.h"
#include "core/project/data_file_set.h"
#include "app/services.h"
#include "core/world/scene_catalog.h"
#include "core/world/scene_numbers.h"
#include "editors/scenes/scene_settings_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

SceneFilesDialog::SceneFilesDialog(EditorContext& context, const QString& caption, bool addAndDelete, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(caption);
    files_ = new NumberedFileList(context_, this, addAndDelete);
}

SceneFilesDialog::~SceneFilesDialog() = default;

void SceneFilesDialog::LoadRows(QWidget* owner) {
    files_->LoadScenes(rows_, owner);
    connect(list(), &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    connect(showBox(), &QCheckBox::toggled, this, [this](bool on) {
        on ? context_.mapView->Show() : context_.mapView->Hide();
    });
    if (!rows_.empty()) SelectRow(0);
}

void SceneFilesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    OpenMapView();
}

void SceneFilesDialog::OpenMapView() {
    MapView& view = *context_.mapView;
    view.Open(this);
    view.SetMode(MapViewMode::Browse, this);
    view.state().sprite = PlacedSprite{};
    ShowSelected();
    if (showBox()->isChecked()) view.Show();
}

void SceneFilesDialog::ShowSelected() {
    MapView& view = *context_.mapView;
    if (!view.IsOpen() || view.owner() != this) return;
    const SceneRow* row = selectedRecord();
    if (row == nullptr) {
        view.ReleaseContents();
        view.SetCaption(QString());
        view.Repaint();
        return;
    }
    view.ShowScene(SceneOnMap(row->scene));
}

void SceneFilesDialog::AddFilesToSave(std::vector<DataFileWrite>&) const {}

void SceneFilesDialog::Leave() {
    rows_.clear();
    MapView& view = *context_.mapView;
    view.state().sprite = PlacedSprite{};
    view.ReleaseContents();
    view.Close();
}

void SceneFilesDialog::accept() {
    if (context_.services) {
        DialogSaveUi ui(*context_.services, this);
        std::vector<DataFileWrite> files;
        for (const SceneRow& row : rows_)
            if (row.status == ReadStatus::Ok) files.push_back(SceneFileWrite(row.fileName, row.scene));
        AddFilesToSave(files);
        SaveDataFileSet(context_.project, files, ui);
        // Something could not be written: the dialog stays open with the author's work.
        if (ui.failed()) return;
    }
    Leave();
    done(QDialog::Accepted);
}

void SceneFilesDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

// ---------------------------------------------------------------------------------------------
// "場面設定1"

SceneListEditor::SceneListEditor(EditorContext& context, QWidget* parent)
    : SceneFilesDialog(context, tr("場面設定1"), true, parent) {
    connect(addButton(), &QPushButton::clicked, this, &SceneListEditor::Add);
    connect(editButton(), &QPushButton::clicked, this, &SceneListEditor::EditSelected);
    connect(deleteButton(), &QPushButton::clicked, this, &SceneListEditor::DeleteSelected);
    LoadRows(parent);
}

SceneListEditor::~SceneListEditor() = default;

void SceneListEditor::Add() {
    SceneSettingsDialog dialog(context_, nullptr, this);
    const int result = dialog.exec();
    if (isVisible()) OpenMapView();
    if (result != QDialog::Accepted) return;

    SceneRow row;
    row.scene = dialog.scene();
    files_->Insert(rows_, std::move(row), [](int number) { return SceneFileName(number); });
    ShowSelected();
}

void SceneListEditor::EditSelected() {
    SceneRow* row = selectedRecord();
    // A scene that could not be read is not shown as an empty one: editing it would only lose it.
    if (row == nullptr || ReportUnreadable(context_, this, row->fileName, row->status)) return;
    SceneSettingsDialog dialog(context_, &row->scene, this);
    if (dialog.exec() == QDialog::Accepted) row->scene = dialog.scene();
    if (isVisible()) OpenMapView();
}

void SceneListEditor::DeleteSelected() {
    if (files_->DeleteSelected(rows_)) ShowSelected();
}

int RunSceneListEditor(EditorContext& context, QWidget* parent) {
    SceneListEditor editor(context, parent);
    return editor.exec();
}

}  // namespace lw
