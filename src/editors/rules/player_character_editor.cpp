#include "editors/rules/player_character_editor.h"
#include "app/language.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/editor_context.h"
#include "core/project/data_file_set.h"
#include "app/services.h"
#include "core/rules/items.h"
#include "core/rules/player_character_items.h"
#include "core/rules/player_character_rows.h"
#include "editors/scenes/placement_dialogs.h"
#include "render/bitmap.h"
#include "widgets/dialog_buttons.h"
#include "widgets/face_dialog.h"
#include "widgets/kept_value.h"
#include "widgets/list_editor.h"
#include "widgets/number_spin.h"
#include "widgets/property_dialog.h"
#include "widgets/property_editor.h"
#include "widgets/read_guard.h"
#include "widgets/record_names_ui.h"

namespace lw {

namespace {

std::vector<std::string> NamesOf(const std::vector<ItemChoice>& items) {
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const ItemChoice& c : items) names.push_back(c.name);
    return names;
}

FaceFields FieldsOf(PcPicture& p) {
    return FaceFields{p.fileName, p.x,        p.y,         p.width,    p.height,
                      p.drawMode, p.colourKey, p.keyRed, p.keyGreen, p.keyBlue};
}

// "所持品": the belongings as a table of (item, count) rows.
class PcBelongingsDialog : public QDialog {
    Q_OBJECT
public:
    // `items` holds every item of the list in list order (index = position). `next` is the rest of
    // the chain (the equipment dialog and what follows it).
    PcBelongingsDialog(EditorContext& context, PlayerCharacter& pc, int& startScene, std::vector<ItemChoice> items,
                       int countMax, PcStep next, QWidget* parent = nullptr)
        : QDialog(parent), context_(context), pc_(pc), startScene_(startScene), items_(std::move(items)),
          names_(NamesOf(items_)), next_(std::move(next)) {
        setWindowTitle(tr("所持品"));
        auto* layout = new QVBoxLayout(this);

        auto* panel = new ListEditorPanel({.headers = QStringList{tr("ｱｲﾃﾑ名"), tr("個数")}}, this);
        panel->view()->setMinimumSize(300, 240);
        panel->view()->header()->setStretchLastSection(false);
        panel->view()->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        layout->addWidget(panel, 1);

        auto* fields = new QGridLayout();
        item_ = new QComboBox(this);
        // Each item with its kind ("薬草 (回復系消耗品)").
        item_->addItems(ItemChoiceTexts(*InterfaceRecordNames(context.project), items_));
        item_->setCurrentIndex(-1);
        count_ = new NumberSpin(this, 0, std::max(countMax, 0));
        fields->addWidget(new QLabel(tr("ｱｲﾃﾑ名"), this), 0, 0);
        fields->addWidget(item_, 0, 1);
        fields->addWidget(new QLabel(tr("個数"), this), 1, 0);
        fields->addWidget(count_, 1, 1);
        fields->setColumnStretch(1, 1);
        layout->addLayout(fields);

        auto* buttons = new QHBoxLayout();
        AddDialogButtons(this, buttons, tr("次へ"));
        layout->addLayout(buttons);

        // Delete and the moves are the list's; "追加" follows the belongings rule.
        list_ = std::make_unique<ListEditor<PcBelonging>>(panel, [this](const PcBelonging& b) {
            return QStringList{FromCp932(StoredItemName(names_, b.item)), QString::number(b.count)};
        });
        list_->OnSelectionChanged([this](int row) { Selected(row); });
        connect(panel, &ListEditorPanel::addClicked, this, [this] { Add(); });
        list_->SetRecords(pc.belongings, -1);
    }

public slots:
    void accept() override {
        pc_.belongings = list_->records();
        if (next_ && !next_(pc_, startScene_, this)) {
            // Back from the equipment: the table as the record holds it.
            list_->SetRecords(pc_.belongings, list_->selected());
            return;
        }
        done(QDialog::Accepted);
    }

private:
    void Add() {
        count_->interpretText();
        std::vector<PcBelonging> rows = list_->records();
        const BelongingAdd result = AddBelonging(rows, item_->currentIndex(), count_->value());
        if (result.outcome == BelongingAddOutcome::Full) {
            Inform(context_, this, tr("所持品は%1種類までです").arg(kPcBelongingsEditCapacity));
            return;
        }
        if (result.row < 0) return;
        list_->SetRecords(std::move(rows), result.row);
    }
    void Selected(int row) {
        if (row < 0) return;
        // The row's item and count come into the fields, ready to be changed and added again.
        const PcBelonging& b = list_->records()[static_cast<std::size_t>(row)];
        item_->setCurrentIndex(b.item >= 1 && b.item <= item_->count() ? b.item - 1 : -1);
        count_->setValue(b.count);
    }

    EditorContext& context_;
    PlayerCharacter& pc_;
    int& startScene_;
    std::vector<ItemChoice> items_;
    std::vector<std::string> names_;
    PcStep next_;
    std::unique_ptr<ListEditor<PcBelonging>> list_;
    QComboBox* item_;
    NumberSpin* count_;
};

// "装備": the five slots, each an item of the slot's kind or none.
class PcEquipmentDialog : public QDialog {
    Q_OBJECT
public:
    // `items` holds every item in list order; `kinds[k]` the choices of slot k (items of kind k).
    PcEquipmentDialog(EditorContext& context, PlayerCharacter& pc, int& startScene, const std::vector<ItemChoice>& items,
                      std::array<std::vector<ItemChoice>, kPcEquipmentSlots> kinds, PcStep next,
                      QWidget* parent = nullptr)
        : QDialog(parent), context_(context), pc_(pc), startScene_(startScene), names_(NamesOf(items)),
          kinds_(std::move(kinds)), slots_(pc.equipment), next_(std::move(next)) {
        setWindowTitle(tr("装備"));
        auto* layout = new QVBoxLayout(this);
        table_ = new QTreeWidget(this);
        table_->setRootIsDecorated(false);
        table_->setSelectionMode(QAbstractItemView::SingleSelection);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setAllColumnsShowFocus(true);
        table_->setColumnCount(2);
        table_->setHeaderLabels({tr("種別"), tr("ｱｲﾃﾑ名")});
        table_->setMinimumSize(300, 150);
        for (const std::string& slot : EquipmentSlotNames())
            table_->addTopLevelItem(new QTreeWidgetItem(QStringList{CoreText(slot), QString()}));
        table_->resizeColumnToContents(0);
        table_->setColumnWidth(0, table_->columnWidth(0) + 24);
        layout->addWidget(table_, 1);

        auto* row = new QHBoxLayout();
        item_ = new QComboBox(this);
        item_->setEnabled(false);
        row->addWidget(new QLabel(tr("ｱｲﾃﾑ名"), this));
        row->addWidget(item_, 1);
        layout->addLayout(row);

        auto* buttons = new QHBoxLayout();
        AddDialogButtons(this, buttons, tr("次へ"));
        layout->addLayout(buttons);

        ShowRows();
        connect(table_, &QTreeWidget::itemSelectionChanged, this, [this] {
            const QList<QTreeWidgetItem*> chosen = table_->selectedItems();
            SelectSlot(chosen.isEmpty() ? -1 : table_->indexOfTopLevelItem(chosen.front()));
        });
        connect(item_, &QComboBox::currentIndexChanged, this, [this](int position) { Chosen(position); });
    }

    // Selects slot row `row` as a click on it does.
    void SelectSlot(int row) {
        if (row < -1 || row >= kPcEquipmentSlots) return;
        if (row >= 0 && table_->currentItem() != table_->topLevelItem(row)) {
            QSignalBlocker block(table_);
            table_->setCurrentItem(table_->topLevelItem(row));
        }
        slot_ = row;
        filling_ = true;
        item_->clear();
        item_->setEnabled(row >= 0);
        if (row >= 0) {
            // An empty entry, then the items of the slot's kind.
            item_->addItem(QString());
            for (const ItemChoice& c : kinds_[static_cast<std::size_t>(row)]) item_->addItem(FromCp932(c.name));
            item_->setCurrentIndex(
                EquipmentChoicePosition(kinds_[static_cast<std::size_t>(row)], slots_[static_cast<std::size_t>(row)]));
        }
        filling_ = false;
    }

public slots:
    void accept() override {
        const std::array<int, kPcEquipmentSlots> equipmentBefore = pc_.equipment;
        const std::vector<PcBelonging> belongingsBefore = pc_.belongings;
        std::vector<PcBelonging> belongings = pc_.belongings;
        if (!AddEquipmentToBelongings(slots_, belongings)) {
            Inform(context_, this,
                   tr("装備したｱｲﾃﾑを所持品に加えると%1種類を超えます。\n所持品を減らしてください")
                       .arg(kPcBelongingsCapacity));
            return;
        }
        pc_.equipment = slots_;
        pc_.belongings = std::move(belongings);
        if (next_ && !next_(pc_, startScene_, this)) {
            pc_.equipment = equipmentBefore;
            pc_.belongings = belongingsBefore;
            return;
        }
        done(QDialog::Accepted);
    }

private:
    void ShowRows() {
        for (int s = 0; s < kPcEquipmentSlots; ++s)
            table_->topLevelItem(s)->setText(1, FromCp932(StoredItemName(names_, slots_[static_cast<std::size_t>(s)])));
    }
    void Chosen(int position) {
        if (filling_ || slot_ < 0 || position < 0) return;
        slots_[static_cast<std::size_t>(slot_)] = EquipmentSlotValue(kinds_[static_cast<std::size_t>(slot_)], position);
        ShowRows();
    }

    EditorContext& context_;
    PlayerCharacter& pc_;
    int& startScene_;
    std::vector<std::string> names_;
    std::array<std::vector<ItemChoice>, kPcEquipmentSlots> kinds_;
    std::array<int, kPcEquipmentSlots> slots_{};
    PcStep next_;
    int slot_ = -1;
    bool filling_ = false;
    QTreeWidget* table_;
    QComboBox* item_;
};

// "PC配置" on `pc`: the start scene, the view position and the position within the view.
bool RunPcPlacement(EditorContext& context, PlayerCharacter& pc, int& startScene, QWidget* parent) {
    const PcSpriteOnMap s = PcSprite(pc);
    PlacedSprite sprite = PlayerCharacterSprite(context.project, pc);
    sprite.origin = QPoint(s.origin.x, s.origin.y);
    sprite.position = QPoint(s.position.x, s.position.y);
    PlayerStartPlacement start{startScene, pc.viewCellX, pc.viewCellY, pc.startX, pc.startY};
    if (!PlacePlayerStart(context, sprite, PcFrameHeight(pc), start, parent)) return false;
    startScene = start.scene;
    pc.viewCellX = start.viewX;
    pc.viewCellY = start.viewY;
    pc.startX = start.inViewX;
    pc.startY = start.inViewY;
    return true;
}

// The face and chip dialogs, then "PC配置", on `pc` (the last three steps of the chain).
bool RunPcPictureSteps(EditorContext& context, PlayerCharacter& pc, int& startScene, QWidget* parent) {
    FaceDialog face(context, FieldsOf(pc.face), parent);
    face.SetNext([&](FaceDialog& faceDialog) {
        FaceDialog chip(context, FieldsOf(pc.chip), &faceDialog, QObject::tr("ｷｬﾗﾁｯﾌﾟ"));
        chip.SetNext([&](FaceDialog& chipDialog) { return RunPcPlacement(context, pc, startScene, &chipDialog); });
        return chip.exec() == QDialog::Accepted;
    });
    return face.exec() == QDialog::Accepted;
}

// "ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定".
class PlayerCharacterEditor : public QDialog {
    Q_OBJECT
public:
    PlayerCharacterEditor(EditorContext& context, PcStep chain, QWidget* parent)
        : QDialog(parent), context_(context), chain_(chain ? std::move(chain) : DefaultChain()) {
        setWindowTitle(tr("ﾌﾟﾚｰﾔｰｷｬﾗｸﾀｰ設定"));
        loadStatus_ = LoadPlayerCharacter(context_.project, pc_);
        startLoadStatus_ = LoadStartGameFile(context_.project, startScene_);
        LoadGameSettings(context_.project, context_.settings);

        properties_ = AddPropertyEditor(this, context_, PlayerCharacterRows(pc_, context_.settings.abilityMax),
                                        {.confirmLabel = tr("次へ")})
                          .properties;
    }

    // How reading pc.txt and start_game.txt went: an editor whose file is Unreadable does not open.
    ReadStatus loadStatus() const { return loadStatus_; }
    ReadStatus startLoadStatus() const { return startLoadStatus_; }

public slots:
    // "次へ": stores the fields and runs the chain; when it ends with OK, writes start_game.txt
    // and pc.txt and closes.
    void accept() override {
        properties_->Commit();
        if (!chain_(pc_, startScene_, this)) return;
        if (context_.services) {
            DialogSaveUi ui(*context_.services, this);
            // A declined start_game.txt does not stop pc.txt.
            const DataFileWrite files[] = {
                DataFileWrite::Bytes(std::string(kStartGameFile), StartGameFileBytes(startScene_)),
                DataFileWrite::Tag(std::string(kPlayerCharacterFile), [this](TagWriter& w) { WritePlayerCharacter(w, pc_); })};
            SaveDataFileSet(context_.project, files, ui);
            // Something could not be written: the editor stays open with the author's work.
            if (ui.failed()) return;
        }
        done(QDialog::Accepted);
    }

private:
    // The belongings, equipment, face, chip and placement dialogs.
    PcStep DefaultChain() {
        return [this](PlayerCharacter& pc, int& startScene, QWidget* parent) {
            std::vector<ItemChoice> items;
            LoadItemChoices(context_.project, kAnyItemKind, items);
            std::array<std::vector<ItemChoice>, kPcEquipmentSlots> kinds;
            // Choices of each slot: the items of the slot's kind, each keeping its place in the list.
            for (int k = 0; k < kPcEquipmentSlots; ++k) LoadItemChoices(context_.project, k, kinds[static_cast<std::size_t>(k)]);
            auto equipment = [&, items, kinds](PlayerCharacter& p, int& scene, QWidget* over) {
                PcEquipmentDialog d(context_, p, scene, items, kinds, [this](PlayerCharacter& q, int& s, QWidget* o) {
                    return RunPcPictureSteps(context_, q, s, o);
                }, over);
                return d.exec() == QDialog::Accepted;
            };
            PcBelongingsDialog d(context_, pc, startScene, items, context_.settings.itemOwnMax, equipment, parent);
            return d.exec() == QDialog::Accepted;
        };
    }

    EditorContext& context_;
    PcStep chain_;
    PlayerCharacter pc_;
    int startScene_ = -1;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    ReadStatus startLoadStatus_ = ReadStatus::Missing;
    PropertyEditor* properties_;
};

}  // namespace

int RunPlayerCharacterEditor(EditorContext& context, QWidget* parent, PcStep chain) {
    PlayerCharacterEditor editor(context, std::move(chain), parent);
    if (ReportUnreadable(context, parent, kPlayerCharacterFile, editor.loadStatus())) return QDialog::Rejected;
    if (ReportUnreadable(context, parent, kStartGameFile, editor.startLoadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw

#include "player_character_editor.moc"
