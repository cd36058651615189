#pragma once
// The shops: "店ﾘｽﾄ1" lists them by kind; "追加..." and "編集..." run the chain "店ﾘｽﾄ2" (kind and
// the buying and selling pictures, previewed) → "店ﾘｽﾄ3" (the goods, each item once, at most 256) →
// "店配置" (scene, cell and direction) → the owner form (the shop's event group). OK writes
// flag_exp.txt, shop_list.txt and the shop event positions of every scene file as one change;
// Cancel writes nothing.

#include <memory>
#include <vector>

#include "core/rules/items.h"
#include "core/rules/shop_list.h"
#include "core/world/scene_catalog.h"
#include "render/map_view_state.h"
#include "widgets/list_editor.h"
#include "widgets/placed_list_editor.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace lw {

struct EditorContext;
class ImageChooser;

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
    ShopGoodsDialog(ShopChain& chain, const Shop& shop, QWidget* parent = nullptr);
    ~ShopGoodsDialog() override;

    const Shop& record() const { return shop_; }
    QComboBox* itemCombo() const { return item_; }
    ListEditorPanel* panel() const { return panel_; }
    const std::vector<int>& goods() const { return list_->records(); }
    QPushButton* nextButton() const { return next_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

private:
    void AddChosen();

    ShopChain& chain_;
    Shop shop_;
    std::vector<ItemChoice> items_;
    QComboBox* item_;
    ListEditorPanel* panel_;
    std::unique_ptr<ListEditor<int>> list_;
    QPushButton* next_;
    QPushButton* cancel_;
};

// "店ﾘｽﾄ2": kind and pictures. "画像表示" (checked at first) shows the selling picture while its
// drop-down has the focus, the buying picture otherwise. "次へ" stores the kind and the chosen
// pictures and opens "店ﾘｽﾄ3"; its success closes this dialog with success.
class ShopKindDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    ShopKindDialog(ShopChain& chain, const Shop& shop, QWidget* parent = nullptr);
    ~ShopKindDialog() override;

    const Shop& record() const { return shop_; }
    QComboBox* kindCombo() const { return kind_; }
    ImageChooser* buyCombo() const { return buy_; }
    ImageChooser* sellCombo() const { return sell_; }
    QCheckBox* showBox() const { return show_; }
    // The picture the preview shows now (empty when none).
    QString shownPicture() const { return shown_; }

public slots:
    void accept() override;

private:
    void OpenPreview() override;
    void RefreshPreview();

    ShopChain& chain_;
    Shop shop_;
    QComboBox* kind_;
    ImageChooser* buy_;
    ImageChooser* sell_;
    QCheckBox* show_;
    QString shown_;
};

// "店ﾘｽﾄ1".
class ShopListEditor : public PlacedListEditor<Shop> {
    Q_OBJECT
public:
    explicit ShopListEditor(EditorContext& context, QWidget* parent = nullptr);
    ~ShopListEditor() override;

    // The sprite the placement shows at the shop's cell: the player character's (pc.txt), when
    // it has one.
    const PlacedSprite& placementSprite() const { return sprite_; }

private:
    bool EditShop(Shop& shop, int index);

    PlacedSprite sprite_;
};

// Runs the editor modally; 1 after OK, 0 after Cancel. When shop_list.txt exists but cannot be
// read, tells the author and returns 0 without opening.
int RunShopListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
