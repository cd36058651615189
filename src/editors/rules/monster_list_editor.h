#pragma once
// "怪物 ﾘｽﾄ": the monster list (monster_list.txt). "怪物ﾘｽﾄ1" lists the monsters; "追加..." and
// "編集..." open "怪物ﾘｽﾄ2", the property editor of one monster (abilities, rewards, attacks,
// picture with its drawing mode and colour key picked from the preview), whose "次へ" opens
// "ﾌｫｰｶｽ座標" to place the battle focus point on the picture. OK of the focus dialog closes both
// with the record; OK of the list writes the file, Cancel writes nothing.

class QWidget;

namespace lw {

struct EditorContext;

int RunMonsterListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
