#pragma once
// "敵ﾕﾆｯﾄ ﾘｽﾄ": the enemy units (enemy_list.txt), edited through nested dialogs:
//   "敵ﾕﾆｯﾄ ﾘｽﾄ1"  the units; OK writes the file, Cancel writes nothing;
//   "敵ﾕﾆｯﾄ ﾘｽﾄ2"  the formations of one unit (at most 32), "次へ" goes on to the rates;
//   "敵ﾕﾆｯﾄ ﾘｽﾄ3"  one formation: six monster positions previewed on the 320 x 240 battle field,
//                 boss, dropped item, battle music;
//   "敵ﾕﾆｯﾄ出現率" the appearance rates, split evenly when all are 0 and checked to total 100 %;
//   "敵ﾕﾆｯﾄ名（省略可）" the unit's name; its OK closes every dialog up to the unit list with success.

class QWidget;

namespace lw {

struct EditorContext;

int RunEnemyUnitListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
