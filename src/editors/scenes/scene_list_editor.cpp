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
    std::vector<DataFileWrite> more;
    AddFilesToSave(more);
    const auto write = [](const SceneRow& row) {
        return row.status == ReadStatus::Ok ? std::optional(SceneFileWrite(row.fileName, row.scene)) : std::nullopt;
    };
    if (!SaveRows(context_, this, write, std::move(more))) return;
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
    // "場面設定2" on a new scene or on the selected one; the map view then comes back to this list.
    const auto settings = [this](SceneRow& row, const Scene* start) {
        std::optional<Scene> edited = EditSceneSettings(context_, start, this);
        if (isVisible()) OpenMapView();
        if (edited) row.scene = std::move(*edited);
        return edited.has_value();
    };
    const auto shown = [this] { ShowSelected(); };
    connect(addButton(), &QPushButton::clicked, this, [this, settings, shown] {
        AddRow([&](SceneRow& row) { return settings(row, nullptr); }, SceneFileName, shown);
    });
    connect(editButton(), &QPushButton::clicked, this, [this, settings, shown] {
        EditSelectedRow(context_, this, [&](SceneRow& row) { return settings(row, &row.scene); }, shown);
    });
    connect(deleteButton(), &QPushButton::clicked, this, [this] {
        if (files_->DeleteSelected(rows_)) ShowSelected();
    });
    LoadRows(parent);
}

SceneListEditor::~SceneListEditor() = default;

int RunSceneListEditor(EditorContext& context, QWidget* parent) {
    SceneListEditor editor(context, parent);
    return editor.exec();
}

}  // namespace lw
