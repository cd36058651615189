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
    files_ = new NumberedFileList(context_, this);
    files_->LoadScenes(rows_, parent);

    connect(addButton(), &QPushButton::clicked, this, &SceneListEditor::Add);
    connect(editButton(), &QPushButton::clicked, this, &SceneListEditor::EditSelected);
    connect(deleteButton(), &QPushButton::clicked, this, &SceneListEditor::DeleteSelected);
    connect(list(), &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    connect(showBox(), &QCheckBox::toggled, this, [this](bool on) {
        on ? context_.mapView->Show() : context_.mapView->Hide();
    });
    if (!rows_.empty()) SelectRow(0);
}

SceneListEditor::~SceneListEditor() = default;

void SceneListEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    OpenMapView();
}

void SceneListEditor::OpenMapView() {
    MapView& view = *context_.mapView;
    view.Open(this);
    view.SetMode(MapViewMode::Browse, this);
    ShowSelected();
    if (showBox()->isChecked()) view.Show();
}

void SceneListEditor::ShowSelected() {
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
