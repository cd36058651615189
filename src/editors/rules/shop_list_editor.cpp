#include "editors/rules/shop_list_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/rules/items.h"
#include "core/rules/player_character.h"
#include "core/rules/shop_list.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/tag_writer.h"
#include "editors/scenes/placement_dialogs.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "render/map_view_state.h"
#include "widgets/record_names_ui.h"
#include "widgets/dialog_buttons.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/read_guard.h"
#include "widgets/preview_box.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/list_editor.h"
#include "widgets/placed_list_editor.h"

namespace lw {

namespace {

// The player character as the shop placement shows it at the shop's cell: its walking sheet.
PlacedSprite PlayerSprite(const EditorContext& context) {
    PlayerCharacter pc;
    if (LoadPlayerCharacter(context.project, pc) != ReadStatus::Ok) return {};
    return PlayerCharacterSprite(context.project, pc);
}

// What the chain of one shop works with.
struct ShopChain {
    EditorContext& context;
    SceneCatalog& catalog;
    std::vector<SceneListRow> rows;  // the shop list's rows as they stand
    int shopIndex = -1;              // the shop's row, -1 for a new shop
    PlacedSprite sprite;             // what the placement shows at the shop's cell
};

// "店ﾘｽﾄ3": the goods. The list shows the goods' item names; "次へ" stores them and runs the
// placement, whose success closes this dialog with success.
class ShopGoodsDialog : public QDialog {
    Q_OBJECT
public:
    ShopGoodsDialog(ShopChain& chain, const Shop& shop, QWidget* parent = nullptr)
        : QDialog(parent), chain_(chain), shop_(shop) {
        setWindowTitle(tr("店ﾘｽﾄ3"));
        auto* layout = new QVBoxLayout(this);
        auto* top = new QHBoxLayout();
        top->addWidget(new QLabel(tr("ｱｲﾃﾑ"), this));
        item_ = new QComboBox(this);
        item_->setMinimumWidth(200);
        top->addWidget(item_, 1);
        layout->addLayout(top);

        auto* panel = new ListEditorPanel({.addLabel = tr("追加")}, this);
        panel->view()->setMinimumSize(200, 260);
        layout->addWidget(panel, 1);
        auto* bottom = new QHBoxLayout();
        bottom->addStretch(1);
        AddDialogButtons(this, bottom, tr("次へ"));
        layout->addLayout(bottom);

        LoadItemChoices(chain_.context.project, kAnyItemKind, items_);
        {
            RecordNames names(chain_.context.project);
            item_->addItems(ItemChoiceTexts(names, items_));
        }
        item_->setCurrentIndex(-1);

        list_ = std::make_unique<ListEditor<int>>(panel, [this](const int& item) {
            for (const ItemChoice& c : items_)
                if (c.index == item) return QStringList{FromCp932(c.name)};
            return QStringList{QString::number(item)};  // an index the item list does not hold (any more)
        });
        // "追加" follows the goods rule (each item once, at most 256), not the list's own.
        connect(panel, &ListEditorPanel::addClicked, this, [this] { AddChosen(); });
        list_->SetRecords(ShopGoods(shop_), -1);
    }

    const Shop& record() const { return shop_; }

public slots:
    void accept() override {
        Shop shop = shop_;
        if (!SetShopGoods(shop, list_->records())) return;  // the list never holds more than 256
        ShopPlacementValues placement{shop.scene, shop.x, shop.y, shop.direction, shop.group};
        ShopChain& chain = chain_;
        const OwnerStep next = OwnerFormWhereRoom(
            chain.context, chain.catalog, EventOwner::Shop,
            [&chain](int scene) { return SceneHasRoomForShop(chain.catalog, chain.rows, scene, chain.shopIndex); },
            QObject::tr("この場面には店をこれ以上置けません（店・宿屋・立て札・定位置戦闘は"
                        "1つの場面に合わせて64個まで）。"));
        if (!PlaceShop(chain_.context, chain_.sprite, placement, next, this)) return;
        shop.scene = placement.scene;
        shop.x = placement.x;
        shop.y = placement.y;
        shop.direction = placement.direction;
        shop.group = placement.group;
        shop_ = std::move(shop);
        done(QDialog::Accepted);
    }

private:
    void AddChosen() {
        const int row = item_->currentIndex();
        if (row < 0 || row >= static_cast<int>(items_.size())) return;
        std::vector<int> goods = list_->records();
        int selected = list_->selected();
        if (AddGood(goods, items_[static_cast<std::size_t>(row)].index, selected) == GoodsAdd::Full) {
            Warn(chain_.context, this, tr("1つの店で売る品物は256個までです。"));
            return;
        }
        list_->SetRecords(std::move(goods), selected);
    }

    ShopChain& chain_;
    Shop shop_;
    std::vector<ItemChoice> items_;
    QComboBox* item_;
    std::unique_ptr<ListEditor<int>> list_;
};

// "店ﾘｽﾄ2": kind and pictures. "画像表示" (checked at first) shows the selling picture while its
// drop-down has the focus, the buying picture otherwise. "次へ" stores the kind and the chosen
// pictures and opens "店ﾘｽﾄ3"; its success closes this dialog with success.
class ShopKindDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    ShopKindDialog(ShopChain& chain, const Shop& shop, QWidget* parent = nullptr)
        : PreviewStepDialog(chain.context, parent), chain_(chain), shop_(shop) {
        setWindowTitle(tr("店ﾘｽﾄ2"));
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout();
        layout->addLayout(grid);
        grid->addWidget(new QLabel(tr("店の種類"), this), 0, 0);
        kind_ = new QComboBox(this);
        for (const std::string& name : ShopKindNames()) kind_->addItem(FromCp932(name));
        grid->addWidget(kind_, 0, 1);
        grid->addWidget(new QLabel(tr("背景画像ﾌｧｲﾙ名（買う）"), this), 1, 0);
        buy_ = new ImageChooser(this);
        buy_->setMinimumWidth(200);
        grid->addWidget(buy_, 1, 1);
        grid->addWidget(new QLabel(tr("背景画像ﾌｧｲﾙ名（売る）"), this), 2, 0);
        sell_ = new ImageChooser(this);
        grid->addWidget(sell_, 2, 1);
        show_ = NewPreviewBox(tr("画像表示"), this);
        grid->addWidget(show_, 3, 1);
        auto* bottom = new QHBoxLayout();
        bottom->addStretch(1);
        AddButtons(bottom, tr("次へ"));
        layout->addLayout(bottom);

        LoadComboIndex(kind_, shop_.kind);
        buy_->Fill(context_.project, true);
        buy_->LoadName(shop_.buyPicture);
        sell_->Fill(context_.project, true);
        sell_->LoadName(shop_.sellPicture);
        show_->setChecked(true);

        connect(buy_, &QComboBox::currentIndexChanged, this, [this] { RefreshPreview(); });
        connect(sell_, &QComboBox::currentIndexChanged, this, [this] { RefreshPreview(); });
        connect(show_, &QCheckBox::toggled, this, [this] { RefreshPreview(); });
    }

    const Shop& record() const { return shop_; }

public slots:
    void accept() override {
        Shop shop = shop_;
        shop.kind = ComboIndexValue(kind_);
        // Each picture only when something is chosen; "なし" is stored as the text.
        if (std::string name = buy_->ChosenName(); !name.empty()) shop.buyPicture = std::move(name);
        if (std::string name = sell_->ChosenName(); !name.empty()) shop.sellPicture = std::move(name);
        Leave();
        ShopGoodsDialog goods(chain_, shop, this);
        if (goods.exec() != QDialog::Accepted) {
            if (isVisible()) OpenPreview();
            return;
        }
        shop_ = goods.record();
        done(QDialog::Accepted);
    }

private:
    void OpenPreview() override {
        ImageView& v = view();
        v.Open(this);
        v.SetMode(ViewMode::None, this);
        v.state().animate = false;
        RefreshPreview();
    }
    void RefreshPreview() {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        // The drop-down being used shows its picture: the one with the focus, or the one just changed.
        const QObject* changed = sender();
        const bool sell = sell_->hasFocus() || changed == sell_;
        const ImageChooser* combo = sell ? sell_ : buy_;
        v.ShowOrHideComboImage(this, combo, show_->isChecked());
    }

    ShopChain& chain_;
    Shop shop_;
    QComboBox* kind_;
    ImageChooser* buy_;
    ImageChooser* sell_;
    QCheckBox* show_;
};

// "店ﾘｽﾄ1".
class ShopListEditor : public PlacedListEditor<Shop> {
    Q_OBJECT
public:
    ShopListEditor(EditorContext& context, QWidget* parent)
        : PlacedListEditor(context, parent, tr("店ﾘｽﾄ1"), {.target = RefTarget::Shop},
                           {kShopFile, LoadShopList, AssignShopPlacements, WriteShopList, SceneList::Shop},
                           [this](const Shop& s) {
                               return QStringList{FromCp932(ShopRowText(s)) + QStringLiteral(" \u2014 ") +
                                                  QString::fromStdString(list_.names().PlaceText(s.scene, s.x, s.y))};
                           },
                           [](const Shop& s) { return SceneListRow{s.scene, s.x, s.y, s.direction, s.group}; }) {
        // The chain on `shop` (row `index`, -1 for a new one); true after its success.
        list_.OnChain(NewShop, [this](Shop& shop, int index) {
            ShopChain chain{context_, list_.catalog(), list_.Rows(), index, sprite_};
            ShopKindDialog dialog(chain, shop, this);
            if (dialog.exec() != QDialog::Accepted) return false;
            shop = dialog.record();
            return true;
        });
        Load(0);
        sprite_ = PlayerSprite(context_);
    }

private:
    PlacedSprite sprite_;
};

}  // namespace

int RunShopListEditor(EditorContext& context, QWidget* parent) {
    return RunUnlessUnreadable<ShopListEditor>(context, parent, kShopFile);
}

}  // namespace lw

#include "shop_list_editor.moc"
