#include "editors/scenes/placement_hub.h"
#include "editors/scenes/placement_dialogs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/load_progress.h"
#include "widgets/numbered_file_list.h"
#include "core/project/data_file_set.h"
#include "app/services.h"
#include "core/rules/player_character.h"
#include "core/world/map_data.h"
#include "core/world/placement.h"
#include "editors/scenes/field_battle_dialogs.h"
#include "editors/scenes/position_dialogs.h"
#include "render/bitmap.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/read_guard.h"

namespace lw {

QString PlacementHubCaption(int mode) {
    switch (mode) {
        case 1: return QObject::tr("場面変更1");
        case 2: return QObject::tr("宿屋1");
        case 3: return QObject::tr("立て札1");
        case 4: return QObject::tr("定位置戦闘1");
        case 5: return QObject::tr("ﾌｨｰﾙﾄﾞ戦闘1");
        default: return QObject::tr("背景ｱﾆﾒ設定１");
    }
}

PlacedSprite PlayerCharacterMarker(const Project& project) {
    PlayerCharacter pc;
    if (LoadPlayerCharacter(project, pc) != ReadStatus::Ok) return {};
    return PlayerCharacterSprite(project, pc);
}

PlacementHub::PlacementHub(EditorContext& context, int mode, PlacementSteps steps, QWidget* parent)
    : QDialog(parent), context_(context), mode_(mode), steps_(std::move(steps)), flagsAsOpened_(context.flags) {
    setWindowTitle(PlacementHubCaption(mode));
    auto* layout = new QHBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setMinimumSize(200, 240);
    layout->addWidget(list_, 1);
    auto* side = new QVBoxLayout();
    edit_ = new QPushButton(tr("編集..."), this);
    show_ = new QCheckBox(tr("表示"), this);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    show_->setChecked(true);
    side->addWidget(edit_);
    side->addWidget(show_);
    side->addStretch(1);
    auto* buttonRow = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttonRow);
    side->addLayout(buttonRow);
    layout->addLayout(side);

    // The positions' owner form edits the groups of the scene catalog; the player character marks
    // the positions on the map.
    if (PositionListKindOfMode(mode_)) {
        LoadSceneCatalogShown(context_.services, parentWidget(), context_.project, catalog_);
        playerMarker_ = PlayerCharacterMarker(context_.project);
    }
    ReadSceneRows(context_, parent, rows_, [this](const SceneRow& row) { list_->addItem(SceneListEditor::RowText(row)); });

    connect(edit_, &QPushButton::clicked, this, &PlacementHub::EditSelected);
    connect(list_, &QListWidget::itemDoubleClicked, this, &PlacementHub::EditSelected);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        on ? context_.mapView->Show() : context_.mapView->Hide();
    });
    if (!rows_.empty()) SelectRow(0);
}

PlacementHub::~PlacementHub() { FreeSceneCatalog(catalog_); }

int PlacementHub::selectedRow() const { return list_->currentRow(); }
void PlacementHub::SelectRow(int row) { list_->setCurrentRow(row); }

void PlacementHub::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    OpenMapView();
}

void PlacementHub::OpenMapView() {
    MapView& view = *context_.mapView;
    view.Open(this);
    view.SetMode(MapViewMode::Browse, this);
    view.state().sprite = PlacedSprite{};
    ShowSelected();
    if (show_->isChecked()) view.Show();
}

void PlacementHub::ShowSelected() {
    MapView& view = *context_.mapView;
    if (!view.IsOpen() || view.owner() != this) return;
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        view.ReleaseContents();
        view.SetCaption(QString());
        return;
    }
    view.ShowScene(SceneOnMap(rows_[static_cast<std::size_t>(row)].scene));
}

void PlacementHub::CloseMapView() {
    MapView& view = *context_.mapView;
    view.state().sprite = PlacedSprite{};
    view.ReleaseContents();
    view.Close();
}

void PlacementHub::EditSelected() {
    const int index = selectedRow();
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    SceneRow& row = rows_[static_cast<std::size_t>(index)];
    // A scene that could not be read is not edited as an empty one: it would only be lost.
    if (ReportUnreadable(context_, this, row.fileName, row.status)) return;
    if (mode_ == 0) {
        Scene copy = row.scene;
        if (steps_.terrainAnimations && steps_.terrainAnimations(context_, copy, this)) row.scene = std::move(copy);
    } else if (mode_ == 5) {
        Scene copy = row.scene;
        if (EditFieldBattles(context_, copy, this, row.fileName)) row.scene = std::move(copy);
    } else {
        EditPositions(row);
    }
    if (isVisible()) OpenMapView();
}

void PlacementHub::EditPositions(SceneRow& row) {
    const std::optional<PositionListKind> kind = PositionListKindOfMode(mode_);
    if (!kind) return;
    SceneCatalogEntry* entry = FindCatalogEntry(catalog_, row.number);
    // What the owner forms change in the catalog belongs to this list: its Cancel puts it back.
    const std::optional<std::vector<EventCommandGroup>> groupsBefore =
        entry ? std::optional(entry->groups()) : std::nullopt;
    const FlagExplanations flagsBefore = context_.flags;

    MapData map;
    LoadMapData(context_.project, row.scene.mapDataFile, map);
    PositionSetting setting{.context = context_,
                            .catalog = catalog_,
                            .ownerForm = steps_.ownerForm,
                            .scene = row.scene,
                            .sceneNumber = row.number,
                            .kind = *kind,
                            .mapWidth = map.width,
                            .mapHeight = map.height,
                            .marker = playerMarker_};
    map.Clear();
    PositionListDialog dialog(setting, this);
    const bool ok = dialog.exec() == QDialog::Accepted;
    entry = FindCatalogEntry(catalog_, row.number);
    if (!ok) {
        if (entry && groupsBefore) entry->groups() = *groupsBefore;
        context_.flags = flagsBefore;
        return;
    }
    // The list kept within the scene's room, so the rows always fit.
    ApplyPositionRows(row.scene, *kind, dialog.rows());
    if (entry && entry->status == ReadStatus::Ok) row.scene.groups = entry->groups();
}

void PlacementHub::accept() {
    if (context_.services) {
        DialogSaveUi ui(*context_.services, this);
        std::vector<DataFileWrite> files;
        for (const SceneRow& row : rows_)
            if (row.status == ReadStatus::Ok) files.push_back(SceneFileWrite(row.fileName, row.scene));
        // The owner forms edit flag explanations; a flag file that could not be read is left alone.
        if (PositionListKindOfMode(mode_) && context_.flagsRead != ReadStatus::Unreadable)
            files.push_back(FlagExplanationsWrite(context_.flags));
        SaveDataFileSet(context_.project, files, ui);
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    rows_.clear();
    FreeSceneCatalog(catalog_);
    CloseMapView();
    done(QDialog::Accepted);
}

void PlacementHub::reject() {
    context_.flags = flagsAsOpened_;
    rows_.clear();
    FreeSceneCatalog(catalog_);
    CloseMapView();
    done(QDialog::Rejected);
}

int EditPlacements(EditorContext& context, int mode, const PlacementSteps& steps, QWidget* parent) {
    PlacementHub hub(context, mode, steps, parent);
    return hub.exec();
}

}  // namespace lw
