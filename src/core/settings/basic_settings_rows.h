#pragma once
// The 83 rows of the basic settings editor "基本設定", in list order, each bound to its field of
// a GameSettings record. The font face and weight and the last two text colours have no row: they
// keep what setting.txt held.

#include <vector>

#include "core/settings/game_settings.h"
#include "core/settings/property_rows.h"

namespace lw {

inline constexpr int kBasicSettingsRowCount = 83;

// Rows whose index other code needs.
enum BasicSettingsRow : int {
    kRowGameName = 0,
    kRowFocusImage = 1,
    kRowTalkArrow = 2,
    kRowBareHandSound = 6,
    kRowLevelUpBgm = 12,
    kRowCurrencyName = 14,
    kRowLineThickness = 15,
    kRowEventBackground = 18,
    kRowTalkBackColour = 24,
    kRowPcSteps = 29,
    kRowSellRate = 53,
    kRowBattleWaitTalk = 62,
};

// `settings` must outlive the rows.
std::vector<PropertyRow> BasicSettingsRows(GameSettings& settings);

}  // namespace lw
