#include "editors/scenes/placement_hub.h"
#include "editors/scenes/placement_dialogs.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "app/editor_context.h"
#include "app/load_progress.h"
#include "core/project/data_file_set.h"
#include "app/services.h"
#include "core/rules/player_character.h"
#include "core/world/map_data.h"
#include "core/world/placement.h"
#include "editors/scenes/field_battle_dialogs.h"
#include "editors/scenes/position_dialogs.h"
#include "render/bitmap.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

// The caption of each mode: "背景ｱﾆﾒ設定１" (0), "場面変更1", "宿屋1", "立て札1", "定位置戦闘1",
// "ﾌｨｰﾙﾄﾞ戦闘1" (5).
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

}  // namespace

PlacedSprite PlayerCharacterMarker(const Project& project) {
    PlayerCharacter pc;
    if (LoadPlayerCharacter(project, pc) != ReadStatus::Ok) return {};
    return PlayerCharacterSprite(project, pc);
}

PlacementHub::PlacementHub(EditorContext& context, int mode, PlacementSteps steps, QWidget* parent)
    : SceneFilesDialog(context, PlacementHubCaption(mode), false, parent),
      mode_(mode),
      steps_(std::move(steps)),
      flagsAsOpened_(context.flags) {
    list()->setMinimumSize(200, 240);
    // The positions' owner form edits the groups of the scene catalog; the player character marks
    // the positions on the map.
    if (PositionListKindOfMode(mode_)) {
        LoadSceneCatalogShown(context_.services, parentWidget(), context_.project, catalog_);
        playerMarker_ = PlayerCharacterMarker(context_.project);
    }
    connect(editButton(), &QPushButton::clicked, this, &PlacementHub::EditSelected);
    connect(list(), &QListWidget::itemDoubleClicked, this, &PlacementHub::EditSelected);
    LoadRows(parent);
}

PlacementHub::~PlacementHub() { FreeSceneCatalog(catalog_); }

void PlacementHub::EditSelected() {
    EditSelectedRow(context_, this, [this](SceneRow& row) {
        bool ok = false;
        if (mode_ == 0) {
            ok = steps_.terrainAnimations && steps_.terrainAnimations(context_, row.scene, this);
        } else if (mode_ == 5) {
            ok = EditFieldBattles(context_, row.scene, this, row.fileName);
        } else {
            ok = EditPositions(row);
        }
        if (isVisible()) OpenMapView();
        return ok;
    }, [this] { ShowSelected(); });
}

bool PlacementHub::EditPositions(SceneRow& row) {
    const std::optional<PositionListKind> kind = PositionListKindOfMode(mode_);
    if (!kind) return false;
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
    const std::optional<std::vector<PositionRow>> rows = EditPositionRows(setting, this);
    entry = FindCatalogEntry(catalog_, row.number);
    if (!rows) {
        if (entry && groupsBefore) entry->groups() = *groupsBefore;
        context_.flags = flagsBefore;
        return false;
    }
    // The list kept within the scene's room, so the rows always fit.
    ApplyPositionRows(row.scene, *kind, *rows);
    if (entry && entry->status == ReadStatus::Ok) row.scene.groups = entry->groups();
    return true;
}

void PlacementHub::AddFilesToSave(std::vector<DataFileWrite>& files) const {
    // The owner forms edit flag explanations; a flag file that could not be read is left alone.
    if (PositionListKindOfMode(mode_) && context_.flagsRead != ReadStatus::Unreadable)
        files.push_back(FlagExplanationsWrite(context_.flags));
}

void PlacementHub::Leave() {
    FreeSceneCatalog(catalog_);
    SceneFilesDialog::Leave();
}

void PlacementHub::reject() {
    context_.flags = flagsAsOpened_;
    SceneFilesDialog::reject();
}

int EditPlacements(EditorContext& context, int mode, const PlacementSteps& steps, QWidget* parent) {
    PlacementHub hub(context, mode, steps, parent);
    return hub.exec();
}

}  // namespace lw
