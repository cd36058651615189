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
#include "widgets/read_guard.h"

namespace lw {

MapAnimationListEditor::MapAnimationListEditor(EditorContext& context, QWidget* parent)
    : PreviewDialog(context, parent) {
    setWindowTitle(tr("ﾏｯﾌﾟｱﾆﾒ"));
    ReopenPreviewOnActivation();
    files_ = new NumberedFileList(context_, this);
    files_->Load(ListMapAnimationFiles(context_.project), rows_, parent,
                 [this](const MapAnimationFileEntry& file, MapAnimationRow& row) {
                     row.fileName = file.fileName;
                     row.number = file.number;
                     row.status = LoadMapAnimationFile(context_.project, row.fileName, row.animation);
                 });

    // "ﾏｯﾌﾟｱﾆﾒ2" and "ﾏｯﾌﾟｱﾆﾒ3" on a new file or on the selected one.
    const auto steps = [this](MapAnimationRow& row) { return RunSteps(row.animation); };
    const auto shown = [this] { ShowSelected(); };
    const auto edit = [this, steps, shown] { EditSelectedRow(context_, this, steps, shown); };
    const auto make = [steps](MapAnimationRow& row) {
        row.animation = NewMapAnimation();
        return steps(row);
    };
    connect(addButton(), &QPushButton::clicked, this, [this, make, shown] { AddRow(make, MapAnimationFileName, shown); });
    connect(editButton(), &QPushButton::clicked, this, edit);
    connect(deleteButton(), &QPushButton::clicked, this, [this] {
        if (files_->DeleteSelected(rows_)) ShowSelected();
    });
    connect(list(), &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    connect(list(), &QListWidget::itemDoubleClicked, this, edit);
    connect(showBox(), &QCheckBox::toggled, this, [this] { ShowSelected(); });
    if (!rows_.empty()) SelectRow(0);
}

MapAnimationListEditor::~MapAnimationListEditor() = default;

void MapAnimationListEditor::OpenPreview() {
    if (!view().IsOpen()) OpenView(ViewMode::MapAnimation);
    ShowSelected();
}

// The selected file's animations run one after another; a file without animations shows its
// whole bitmap.
void MapAnimationListEditor::ShowSelected() {
    ImageView& v = view();
    const MapAnimationRow* row = selectedRecord();
    const MapAnimation* file = row ? &row->animation : nullptr;
    v.state().animation = file ? PreviewRecordOfFile(*file) : EffectAnimation{};
    if (!v.IsOpen()) return;
    v.RestartAnimation();
    if (!file || !showBox()->isChecked()) {
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
    v.SetCaption(FromCp932(row->fileName));
    list()->setFocus();
}

bool MapAnimationListEditor::RunSteps(MapAnimation& working) {
    view().Close();
    const bool ok = EditMapAnimationSteps(context_, working, this);
    if (isVisible()) OpenPreview();
    return ok;
}

void MapAnimationListEditor::Leave() {
    rows_.clear();
    view().Close();
    view().SetMode(ViewMode::None);
}

void MapAnimationListEditor::accept() {
    const auto write = [](const MapAnimationRow& row) -> std::optional<DataFileWrite> {
        if (row.status == ReadStatus::Unreadable) return std::nullopt;
        return DataFileWrite::Tag(row.fileName, [&row](TagWriter& w) { WriteMapAnimation(w, row.animation); });
    };
    if (!SaveRows(context_, this, write)) return;
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
