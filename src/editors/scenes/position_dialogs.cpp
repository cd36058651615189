#include "editors/scenes/position_dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <memory>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/check/record_names.h"
#include "editors/scenes/placement_dialogs.h"
#include "widgets/dialog_buttons.h"
#include "widgets/kept_value.h"
#include "widgets/list_editor.h"
#include "widgets/number_spin.h"

namespace lw {

namespace {

// "場面変更2", "宿屋2", "立て札2", "定位置戦闘2"; the position dialog's "移動元" / "位置"; and the
// owner whose group chooser the owner form shows.
QString PositionListCaption(PositionListKind kind) {
    switch (kind) {
        case PositionListKind::SceneChange: return QObject::tr("場面変更2");
        case PositionListKind::Inn: return QObject::tr("宿屋2");
        case PositionListKind::Signpost: return QObject::tr("立て札2");
        case PositionListKind::FixedBattle: return QObject::tr("定位置戦闘2");
    }
    return {};
}

QString PositionDialogCaption(PositionListKind kind) {
    return kind == PositionListKind::SceneChange ? QObject::tr("移動元") : QObject::tr("位置");
}

EventOwner PositionOwner(PositionListKind kind) {
    switch (kind) {
        case PositionListKind::SceneChange: return EventOwner::SceneChange;
        case PositionListKind::Inn: return EventOwner::Inn;
        case PositionListKind::Signpost: return EventOwner::Signpost;
        case PositionListKind::FixedBattle: return EventOwner::FixedBattle;
    }
    return EventOwner::SceneChange;
}

// ---------------------------------------------------------------------------------------------
// The scene's map behind both dialogs

// A dialog over the scene of the positions: the map view shows the scene while the dialog is shown,
// with the player character standing at marked() (nullopt: no one).
class PositionMapDialog : public QDialog {
protected:
    PositionMapDialog(const PositionSetting& setting, QWidget* parent) : QDialog(parent), setting_(setting) {}
    virtual std::optional<PositionRow> marked() const = 0;

    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        OpenMapView();
    }

    void OpenMapView() {
        MapView& view = *setting_.context.mapView;
        view.Open(this);
        view.SetMode(MapViewMode::Placement, this);
        view.state().excludedNpc = -1;
        view.state().excludedChest = -1;
        MapViewScene shown = SceneOnMap(setting_.scene);
        shown.npcMarkers = BuildNpcMarkers(setting_.context.project, setting_.scene.npcIndices, setting_.context.npcs);
        shown.chestMarkers =
            BuildChestMarkers(setting_.context.project, setting_.scene.treasureIndices, setting_.context.chests);
        view.ShowScene(shown);
        view.Show();
        ShowMarker();
    }

    void ShowMarker() {
        MapView& view = *setting_.context.mapView;
        if (view.owner() != this) return;
        PlacedSprite sprite = setting_.marker;
        if (const std::optional<PositionRow> r = marked()) {
            sprite.position = QPoint(r->x, r->y);
            if (r->direction >= 0 && r->direction < 4) sprite.direction = r->direction;
        } else {
            sprite.image = QImage();
        }
        view.state().sprite = std::move(sprite);
        view.Repaint();
    }

    const PositionSetting& setting_;
};

// ---------------------------------------------------------------------------------------------
// "移動元" / "位置"

class PositionDialog : public PositionMapDialog {
    Q_OBJECT
public:
    PositionDialog(const PositionSetting& setting, const PositionRow& start, bool fromRow, QWidget* parent)
        : PositionMapDialog(setting, parent), result_(start) {
        setWindowTitle(PositionDialogCaption(setting.kind));
        auto* layout = new QVBoxLayout(this);
        auto* place = new QGroupBox(tr("位置"), this);
        auto* placeRow = new QHBoxLayout(place);
        x_ = new NumberSpin(place);
        y_ = new NumberSpin(place);
        x_->setMinimumWidth(64);
        y_->setMinimumWidth(64);
        placeRow->addWidget(new QLabel(tr("X"), place));
        placeRow->addWidget(x_);
        placeRow->addWidget(new QLabel(tr("Y"), place));
        placeRow->addWidget(y_);
        placeRow->addStretch(1);
        layout->addWidget(place);
        auto* form = new QFormLayout();
        direction_ = new QComboBox(this);
        FillDirections(direction_);
        form->addRow(tr("PCの向き"), direction_);
        layout->addLayout(form);
        auto* buttons = new QHBoxLayout();
        AddDialogButtons(this, buttons, tr("次へ"));
        layout->addLayout(buttons);

        // The spins cover the scene's map. A new position starts from the nearest cell in range; an
        // edited one from its row, kept as stored while untouched.
        const SpinRange across = CellSpinRange(setting_.mapWidth);
        const SpinRange down = CellSpinRange(setting_.mapHeight);
        x_->setRange(across.minimum, across.maximum);
        y_->setRange(down.minimum, down.maximum);
        if (fromRow) {
            LoadSpin(x_, start.x);
            LoadSpin(y_, start.y);
            LoadComboIndex(direction_, start.direction);
        } else {
            x_->setValue(start.x);
            y_->setValue(start.y);
            direction_->setCurrentIndex(start.direction);
        }
        for (QSpinBox* s : {x_, y_}) connect(s, &QSpinBox::valueChanged, this, [this] { ShowMarker(); });
        connect(setting_.context.mapView.get(), &MapView::cellClicked, this, [this](QWidget* owner, int x, int y) {
            if (owner == this) ClickCell(x, y);
        });
    }

    const PositionRow& result() const { return result_; }

    void accept() override {
        PositionRow row = Values();
        if (!setting_.ownerForm) return;
        const std::optional<int> group =
            setting_.ownerForm(setting_.catalog, PositionOwner(setting_.kind), setting_.sceneNumber, row.group, this);
        // The owner form may have used the map view for its command dialogs.
        if (isVisible()) OpenMapView();
        if (!group) return;  // Cancel in the owner form: this dialog stays open
        row.group = *group;
        result_ = row;
        QDialog::accept();
    }

private:
    std::optional<PositionRow> marked() const override {
        return PositionRow{x_->value(), y_->value(), direction_->currentIndex(), result_.group};
    }

    void ClickCell(int x, int y) {
        LoadSpin(x_, x);  // taken even when the spin already shows it for an out-of-range stored value
        LoadSpin(y_, y);
        ShowMarker();
    }

    // The row as the controls stand (group as started).
    PositionRow Values() const {
        return PositionRow{SpinValue(x_), SpinValue(y_), ComboIndexValue(direction_), result_.group};
    }

    PositionRow result_;
    QSpinBox* x_;
    QSpinBox* y_;
    QComboBox* direction_;
};

// ---------------------------------------------------------------------------------------------
// "場面変更2", "宿屋2", "立て札2", "定位置戦闘2"

class PositionListDialog : public PositionMapDialog {
    Q_OBJECT
public:
    PositionListDialog(const PositionSetting& setting, QWidget* parent)
        : PositionMapDialog(setting, parent) {
        setWindowTitle(PositionListCaption(setting.kind));
        auto* layout = new QVBoxLayout(this);
        auto* panel = new ListEditorPanel({.headers = {}, .addLabel = tr("追加..."), .editButton = true}, this);
        panel->setMinimumSize(260, 220);
        layout->addWidget(panel);
        auto* buttons = new QHBoxLayout();
        AddDialogButtons(this, buttons);
        layout->addLayout(buttons);

        list_ = std::make_unique<ListEditor<PositionRow>>(
            panel, [this](const PositionRow& r) {
                // "3 4 0 2 — 村長の家": the stored numbers, then what the group is.
                QString text = QString::fromLatin1(PositionRowText(r));
                const auto& groups = setting_.scene.groups;
                if (r.group >= 0 && r.group < static_cast<int>(groups.size())) {
                    const std::string label = GroupLabel(groups[static_cast<std::size_t>(r.group)]);
                    if (!label.empty()) text += QStringLiteral(" \u2014 ") + QString::fromStdString(label);
                }
                return QStringList{text};
            });
        list_->OnAdd([this] { return RunPosition(PositionRow{-1, -1, 0, 0}, false); });
        list_->OnEdit([this](PositionRow& row) {
            std::optional<PositionRow> edited = RunPosition(row, true);
            if (!edited) return false;
            row = *edited;
            return true;
        });
        // A scene holds 256 exits and 64 event positions of all kinds together: the next one is
        // refused, never dropped when the scene is written.
        const int room = PositionRoom(setting_.scene, setting_.kind);
        list_->SetCapacity(room, [this, room] {
            if (!setting_.context.services) return;
            const QString text =
                setting_.kind == PositionListKind::SceneChange
                    ? tr("場面変更は1つの場面に%1個までです。").arg(room)
                    : tr("店・宿屋・立て札・定位置戦闘は合わせて1つの場面に%1個までです。これ以上追加できません。")
                          .arg(kSceneEventPositionCapacity);
            setting_.context.services->ShowMessage(this, Message{.text = text, .icon = MessageIcon::Warning});
        });
        list_->OnSelectionChanged([this](int) { ShowMarker(); });
        list_->OnChanged([this] { ShowMarker(); });
        std::vector<PositionRow> rows = PositionRowsOf(setting_.scene, setting_.kind);
        const int first = rows.empty() ? -1 : 0;
        list_->SetRecords(std::move(rows), first);
    }
    ~PositionListDialog() override { list_.reset(); }

    const std::vector<PositionRow>& rows() const { return result_; }

    void accept() override {
        result_ = list_->records();
        QDialog::accept();
    }

private:
    // The player character stands at the selected row.
    std::optional<PositionRow> marked() const override {
        const int row = list_->selected();
        if (row < 0) return std::nullopt;
        return list_->records()[static_cast<std::size_t>(row)];
    }

    std::optional<PositionRow> RunPosition(const PositionRow& start, bool fromRow) {
        PositionDialog dialog(setting_, start, fromRow, this);
        const bool ok = dialog.exec() == QDialog::Accepted;
        if (isVisible()) OpenMapView();
        if (!ok) return std::nullopt;
        return dialog.result();
    }

    std::unique_ptr<ListEditor<PositionRow>> list_;
    std::vector<PositionRow> result_;
};

}  // namespace

std::optional<std::vector<PositionRow>> EditPositionRows(const PositionSetting& setting, QWidget* parent) {
    PositionListDialog dialog(setting, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.rows();
}

}  // namespace lw

#include "position_dialogs.moc"
