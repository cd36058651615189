#include "core/settings/basic_settings_rows.h"
#include "core/text/ui_text.h"

#include <string>
#include <utility>

#include "core/tagfile/record_format.h"

namespace lw {

namespace {

using Rows = std::vector<PropertyRow>;

const std::string kPx = "px";
const std::string kSteps = LW_UI_TEXT("lw", "歩");
const std::string kTimesBase = LW_UI_TEXT("lw", "×基本速度（ﾐﾘ秒）");

std::string RangeText(int lo, int hi) {
    return LW_UI_TEXT("lw", "（") + std::to_string(lo) + LW_UI_TEXT("lw", " ～ ") + std::to_string(hi) + LW_UI_TEXT("lw", "）");
}

void Number(Rows& rows, std::string label, int& field, int lo, int hi, std::string unit) {
    rows.push_back(NumberRow(std::move(label), field, NumberRange{lo, hi}, std::move(unit)));
}
void Ranged(Rows& rows, std::string label, int& field, int lo, int hi) {
    Number(rows, std::move(label), field, lo, hi, RangeText(lo, hi));
}

PropertyRow Seconds(std::string label, int& milliseconds) {
    PropertyRow row = ChoiceRow(std::move(label), milliseconds, SecondsChoiceTexts(), SecondsChoiceValues());
    row.positionOf = [](int value) { return SecondsChoicePosition(value); };
    return row;
}

// True for a line of the shape of a tag of the data files ("<name>" or "</name>" with lower-case
// letters, digits and underscores): as a value line it would open or close a section when read.
bool IsTagShaped(std::string_view line) {
    if (line.size() < 3 || line.front() != '<' || line.back() != '>') return false;
    std::string_view name = line.substr(1, line.size() - 2);
    if (!name.empty() && name.front() == '/') name.remove_prefix(1);
    if (name.empty()) return false;
    for (char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    }
    return true;
}

// The game name and the currency name are whole lines of setting.txt: the editor keeps them to
// their width and to one line, and refuses a name that would read back as a tag.
PropertyRow LineRow(std::string label, std::string& field) {
    PropertyRow row = TextRow(std::move(label), field, kGameTitleBytes);
    row.refuseText = [](const std::string& value) -> std::string {
        return IsTagShaped(value) ? LW_UI_TEXT("lw", "この名前は使えません") : "";
    };
    return row;
}

}  // namespace

std::vector<PropertyRow> BasicSettingsRows(GameSettings& s) {
    Rows rows;
    rows.reserve(kBasicSettingsRowCount);
    const std::vector<std::string> noneOrPresent = {LW_UI_TEXT("lw", "なし"), LW_UI_TEXT("lw", "あり")};
    const std::vector<std::string> steps = {"1", "2", "4", "8"};
    const std::vector<int> stepValues = {1, 2, 4, 8};

    rows.push_back(LineRow(LW_UI_TEXT("lw", "ｹﾞｰﾑ名"), s.title));                                              // 0
    PropertyRow focus = ImageRow(LW_UI_TEXT("lw", "戦闘ﾌｫｰｶｽ画像"), s.focusImage, s.focusSpec);                // 1
    focus.textBytes = kFocusImageBytes;
    // The file name is the first field of its line: a blank in it would shift the numbers after it.
    focus.refuseText = [](const std::string& value) -> std::string {
        return CheckTokenField(value) == FieldProblem::HasBlank
                   ? LW_UI_TEXT("lw", "空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください")
                   : "";
    };
    rows.push_back(std::move(focus));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "会話矢印ｱﾆﾒ"), RowKind::Effect, s.effectArrowTalk));              // 2
    rows.push_back(ListRow(LW_UI_TEXT("lw", "ﾒﾆｭｰ矢印ｱﾆﾒ(上)"), RowKind::Effect, s.effectArrowMenuUp));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "ﾒﾆｭｰ矢印ｱﾆﾒ(下)"), RowKind::Effect, s.effectArrowMenuDown));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "素手攻撃ｱﾆﾒ"), RowKind::Effect, s.effectBareHand));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "素手攻撃効果音"), RowKind::Sound, s.soundBareHand));              // 6
    rows.push_back(ListRow(LW_UI_TEXT("lw", "戦闘ｱｲﾃﾑ入手効果音"), RowKind::Sound, s.soundBattleItem));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "戦闘ﾚﾍﾞﾙｱｯﾌﾟ効果音"), RowKind::Sound, s.soundBattleLevelUp));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "毒効果音"), RowKind::Sound, s.soundPoison));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "装備効果音"), RowKind::Sound, s.soundEquip));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "装備解除効果音"), RowKind::Sound, s.soundUnequip));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "ﾚﾍﾞﾙｱｯﾌﾟBGM"), RowKind::Bgm, s.bgmLevelUp));                     // 12
    rows.push_back(ListRow(LW_UI_TEXT("lw", "ｹﾞｰﾑｵｰﾊﾞｰBGM"), RowKind::Bgm, s.bgmGameOver));
    rows.push_back(LineRow(LW_UI_TEXT("lw", "通貨名"), s.currencyName));                                         // 14
    Number(rows, LW_UI_TEXT("lw", "線の太さ"), s.lineThickness, 1, 100, kPx);                                    // 15
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "戦闘終了時の効果音の有無"), s.battleEndSound, noneOrPresent));    // 16
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "戦闘ﾒﾆｭｰ半透明化"), s.battleMenuTranslucent, noneOrPresent));
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ背景"), s.eventBackgroundImage, {LW_UI_TEXT("lw", "単色塗りつぶし"), LW_UI_TEXT("lw", "画像")}));
    Ranged(rows, LW_UI_TEXT("lw", "ﾒﾆｭｰ選択透明度"), s.menuSelectAlpha, 0, 32);                                 // 19
    rows.push_back(ColourRow(LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ枠色"), s.eventFrameColour));                                // 20
    rows.push_back(ColourRow(LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ背景色"), s.eventBackColour));
    rows.push_back(ColourRow(LW_UI_TEXT("lw", "戦闘ﾒﾆｭｰ上下背景色"), s.battleItemBackColour));
    Ranged(rows, LW_UI_TEXT("lw", "戦闘ﾒﾆｭｰ上下透明度"), s.battleItemAlpha, 0, 32);                             // 23
    rows.push_back(ColourRow(LW_UI_TEXT("lw", "会話背景色"), s.talkBackColour));                                 // 24
    Ranged(rows, LW_UI_TEXT("lw", "会話ﾌｪｰﾄﾞ最大値"), s.talkFadeMax, 0, 32);                                    // 25
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "会話顔画像表示"), s.talkFace, {LW_UI_TEXT("lw", "なし"), LW_UI_TEXT("lw", "上"), LW_UI_TEXT("lw", "中"), LW_UI_TEXT("lw", "中[余白無し]")}));  // 26
    Number(rows, LW_UI_TEXT("lw", "会話枠Y座標"), s.talkY, 0, 240, kPx);                                         // 27
    Number(rows, LW_UI_TEXT("lw", "毒ﾀﾞﾒｰｼﾞ歩数"), s.poisonInterval, 0, 100, kSteps);                            // 28
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "PC歩数/ﾏｽ"), s.moveIntervalPc, steps, stepValues));               // 29
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "NPC歩数/ﾏｽ"), s.moveIntervalNpc, steps, stepValues));
    Number(rows, LW_UI_TEXT("lw", "非ｽｸﾛｰﾙ領域(幅)"), s.noScrollWidth, 0, 320, kPx);                            // 31
    Number(rows, LW_UI_TEXT("lw", "非ｽｸﾛｰﾙ領域(高さ)"), s.noScrollHeight, 0, 240, kPx);
    Number(rows, LW_UI_TEXT("lw", "NPC直進度"), s.straightMax, 0, 100, kSteps);                                  // 33
    Number(rows, LW_UI_TEXT("lw", "基本速度"), s.gameSpeed, 1, 100, LW_UI_TEXT("lw", "ﾐﾘ秒"));                                      // 34
    Number(rows, LW_UI_TEXT("lw", "ﾌｪｰﾄﾞ速度"), s.fadeSpeed, 1, 100, kTimesBase);                                // 35
    Number(rows, LW_UI_TEXT("lw", "戦闘順番速度"), s.turnSpeed, 1, 100, kTimesBase);
    Number(rows, LW_UI_TEXT("lw", "敵の攻撃速度"), s.enemyAttackSpeed, 1, 100, kTimesBase);
    Number(rows, LW_UI_TEXT("lw", "ﾀﾞﾒｰｼﾞ速度(PC)"), s.damageSpeed, 1, 100, kTimesBase);
    Number(rows, LW_UI_TEXT("lw", "ﾀﾞﾒｰｼﾞ速度(敵)"), s.enemyDamageSpeed, 1, 100, kTimesBase);
    Number(rows, LW_UI_TEXT("lw", "ﾌｫｰｶｽ点滅速度"), s.focusSpeed, 1, 100, kTimesBase);
    Number(rows, LW_UI_TEXT("lw", "文字表示速度"), s.letterSpeed, 1, 100, kTimesBase);                           // 41
    const char* const textColours[] = {LW_UI_TEXT("lw", "文字色(通常)"),     LW_UI_TEXT("lw", "文字色(非選択1)"),        LW_UI_TEXT("lw", "文字色(非選択2)"), LW_UI_TEXT("lw", "文字色(使用不可)"),
                                       LW_UI_TEXT("lw", "文字色(非選択使用不可)"), LW_UI_TEXT("lw", "文字色(毒)"), LW_UI_TEXT("lw", "文字色(睡眠)")};
    for (std::size_t i = 0; i < 7; ++i) rows.push_back(ColourRow(textColours[i], s.fontColours[i]));  // 42..48
    Number(rows, LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ文字ｻｲｽﾞ"), s.eventFontSize, 8, 100, kPx);                               // 49
    Number(rows, LW_UI_TEXT("lw", "会話文字ｻｲｽﾞ"), s.talkFontSize, 8, 100, kPx);
    Ranged(rows, LW_UI_TEXT("lw", "最大能力値"), s.abilityMax, 1, 9999);                                         // 51
    Ranged(rows, LW_UI_TEXT("lw", "各ｱｲﾃﾑ所有可能最大数"), s.itemOwnMax, 1, 9999);
    PropertyRow rate;                                                                          // 53
    rate.label = LW_UI_TEXT("lw", "ｱｲﾃﾑ売却掛け率");
    rate.kind = RowKind::Number;
    rate.range = NumberRange{1, 100};
    rate.unit = "%";
    rate.getNumber = [&s] { return RateToPercent(s.itemSellRate); };
    rate.setNumber = [&s](int percent) { s.itemSellRate = PercentToRate(percent); };
    rows.push_back(std::move(rate));
    Ranged(rows, LW_UI_TEXT("lw", "ｱｲﾃﾑ表示最大数(買う)"), s.buyShown, 1, 10);                                   // 54
    Ranged(rows, LW_UI_TEXT("lw", "ｱｲﾃﾑ表示最大数(売る)"), s.sellShown, 1, 10);
    Ranged(rows, LW_UI_TEXT("lw", "ﾒﾆｭｰ項目最大表示数(装備)"), s.menuShownEquip, 1, 10);
    Ranged(rows, LW_UI_TEXT("lw", "ﾒﾆｭｰ項目最大表示数(魔法・道具)"), s.menuShownMagicItems, 1, 10);
    Ranged(rows, LW_UI_TEXT("lw", "戦闘最大表示数(魔法・道具)"), s.battleShown, 1, 10);                          // 58
    Ranged(rows, LW_UI_TEXT("lw", "ｾｰﾌﾞﾃﾞｰﾀ最大表示数"), s.saveShown, 1, 20);                                   // 59
    Ranged(rows, LW_UI_TEXT("lw", "ｾｰﾌﾞﾃﾞｰﾀ最大数"), s.saveMax, 1, 1000);                                        // 60
    Number(rows, LW_UI_TEXT("lw", "戦闘ﾒﾆｭｰ上下余白"), s.battleItemMargin, 1, 120, kPx);                         // 61
    rows.push_back(Seconds(LW_UI_TEXT("lw", "戦闘待ち時間（開始会話）"), s.battleWaitTalk));                      // 62
    rows.push_back(Seconds(LW_UI_TEXT("lw", "戦闘待ち時間（魔法・道具）"), s.battleWaitMagicItems));
    Number(rows, LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ ﾒﾆｭｰ幅(店・戦闘)"), s.menuWidthShopBattle, 8, 320, kPx);                // 64
    Number(rows, LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ ﾒﾆｭｰ幅(ﾚﾍﾞﾙｱｯﾌﾟ・ﾒﾆｭｰ)"), s.menuWidthLevelUpMenu, 8, 320, kPx);
    Number(rows, LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ ﾒﾆｭｰ幅(会話)"), s.menuWidthTalk, 8, 320, kPx);
    Number(rows, LW_UI_TEXT("lw", "ﾒﾆｭｰ項目の高さ"), s.itemHeight, 8, 240, kPx);                                  // 67
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "ﾌｪｰﾄﾞ ｱｳﾄ ｶｳﾝﾄ増分(怪物)"), s.fadeStepMonster, {"1", "2"}, {1, 2}));  // 68
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "ﾌｪｰﾄﾞ ｱｳﾄ ｶｳﾝﾄ増分(会話)"), s.fadeStepTalk, {"1", "2"}, {1, 2}));
    Ranged(rows, LW_UI_TEXT("lw", "BGM・効果音音量"), s.volumeAll, -96, 0);                                      // 70
    Ranged(rows, LW_UI_TEXT("lw", "BGM音量"), s.volumeBgm, -96, 0);
    Ranged(rows, LW_UI_TEXT("lw", "効果音音量"), s.volumeSound, -96, 0);
    Ranged(rows, LW_UI_TEXT("lw", "連続ｷｰ状態取得間隔"), s.keyInterval, 1, 100);                                 // 73
    Number(rows, LW_UI_TEXT("lw", "会話文余白"), s.talkMargin, 0, 320, kPx);                                       // 74
    Number(rows, LW_UI_TEXT("lw", "文字の左上座標(X,ﾄﾞｯﾄ)"), s.menuTextX, 0, 320, kPx);
    Number(rows, LW_UI_TEXT("lw", "文字の左上座標(Y,ﾄﾞｯﾄ)"), s.menuTextY, 0, 240, kPx);                           // 76
    Number(rows, LW_UI_TEXT("lw", "ｸﾘﾃｨｶﾙ ﾋｯﾄ率(%)"), s.criticalRate, 0, 100, "%");                               // 77
    Number(rows, LW_UI_TEXT("lw", "通常ﾀﾞﾒｰｼﾞ振れ幅"), s.damageSpread, 0, 240, kPx);                             // 78
    Number(rows, LW_UI_TEXT("lw", "通常ﾀﾞﾒｰｼﾞ振れ幅(ｸﾘﾃｨｶﾙ ﾋｯﾄ)"), s.damageSpreadCritical, 0, 240, kPx);
    Number(rows, LW_UI_TEXT("lw", "敵攻撃移動距離"), s.enemyAttackDistance, 0, 240, kPx);                         // 80
    Ranged(rows, LW_UI_TEXT("lw", "ｸﾘﾃｨｶﾙ ﾋｯﾄ時の効果音ｴﾌｪｸﾄ番号"), s.criticalSoundEffect, -1, 4);              // 81
    Ranged(rows, LW_UI_TEXT("lw", "ｸﾘﾃｨｶﾙ ﾋｯﾄ時の効果音音量"), s.criticalSoundVolume, -96, 0);                   // 82
    return rows;
}

}  // namespace lw
