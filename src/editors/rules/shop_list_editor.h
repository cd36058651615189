#pragma once
// The shops: "店ﾘｽﾄ1" lists them by kind; "追加..." and "編集..." run the chain "店ﾘｽﾄ2" (kind and
// the buying and selling pictures, previewed) → "店ﾘｽﾄ3" (the goods, each item once, at most 256) →
// "店配置" (scene, cell and direction) → the owner form (the shop's event group). OK writes
// flag_exp.txt, shop_list.txt and the shop event positions of every scene file as one change;
// Cancel writes nothing.

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally; 1 after OK, 0 after Cancel. When shop_list.txt exists but cannot be
// read, tells the author and returns 0 without opening.
int RunShopListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
