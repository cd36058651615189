#include "core/world/npc_editing.h"
#include "core/text/ui_text.h"

#include <filesystem>
#include <utility>

#include "core/tagfile/record_format.h"
#include "core/tagfile/tag_writer.h"

namespace lw {

EffectAnimation NpcWalkAnimation(const Npc& npc) { return NpcWalkAnimation(npc, npc.facing); }

EffectAnimation NpcWalkAnimation(const Npc& npc, int facingShown) {
    EffectAnimation a;
    a.imageFile = npc.spriteFile;
    a.drawMode = npc.drawMode;
    a.colorKey = npc.colourKey;
    a.keyRed = npc.keyRed;
    a.keyGreen = npc.keyGreen;
    a.keyBlue = npc.keyBlue;
    a.areaLeft = npc.regionX;
    a.areaTop = npc.regionY;
    a.areaWidth = npc.regionWidth;
    a.areaHeight = npc.regionHeight;
    a.cellWidth = npc.regionWidth / 3;
    a.cellHeight = npc.regionHeight / 4;
    a.speed = npc.speed;
    const int facing = ((facingShown % 4) + 4) % 4;
    const int row = npc.facingRow[static_cast<std::size_t>(facing)];
    a.frameCount = static_cast<int>(npc.frameOrder.size());
    for (std::size_t i = 0; i < npc.frameOrder.size(); ++i) a.frames[i] = EffectFrame{npc.frameOrder[i], row, 0, 0};
    return a;
}

std::string NpcNameProblem(const std::string& cp932) {
    if (CheckTokenField(cp932) == FieldProblem::HasBlank) return LW_UI_TEXT("lw", "名前に空白は使えません");
    return {};
}

std::vector<PropertyRow> NpcSettingsRows(Npc& npc) {
    std::vector<PropertyRow> rows;
    rows.reserve(kNpcSettingsRowCount);
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "動作種別"), npc.actionKind, {LW_UI_TEXT("lw", "静止"), LW_UI_TEXT("lw", "歩行")}));
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "向き"), npc.facing, {LW_UI_TEXT("lw", "下"), LW_UI_TEXT("lw", "左"), LW_UI_TEXT("lw", "右"), LW_UI_TEXT("lw", "上")}));
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "表示"), npc.shown, {LW_UI_TEXT("lw", "非表示"), LW_UI_TEXT("lw", "表示")}));
    rows.push_back(NumberRow(LW_UI_TEXT("lw", "動作速度"), npc.speed, NumberRange{kNpcSpeedMin, kNpcSpeedMax}, LW_UI_TEXT("lw", "（1 ～ 100）")));
    PropertyRow name = TextRow(LW_UI_TEXT("lw", "名前"), npc.displayName, kNpcNameBytes);  // kNpcNameRow
    name.refuseText = NpcNameProblem;
    rows.push_back(std::move(name));
    return rows;
}

std::vector<SceneListRow> NpcSceneRows(const std::vector<Npc>& npcs) {
    std::vector<SceneListRow> rows;
    rows.reserve(npcs.size());
    for (const Npc& n : npcs) rows.push_back(SceneListRow{n.scene, n.x, n.y, n.facing, n.group});
    return rows;
}

}  // namespace lw
