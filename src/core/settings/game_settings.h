#pragma once
// setting.txt: the game-wide settings of a project (names, the images, animations, sounds and
// music of the game's own screens, menu colours and transparencies, speeds, text colours and
// sizes, menu sizes, battle timing, volumes, critical hits) and the face and weight of the game's
// text font. One GameSettings lives in the editor context; it is reset to the defaults below
// before the file is read, so a missing file or section leaves the default in place.
//
// References to other lists (effect animations, sounds, BGM) are 0-based positions in those
// lists; no value stands for none.

#include <array>
#include <string>
#include <string_view>

#include "core/project/project.h"
#include "core/settings/drawing.h"

namespace lw {

inline constexpr std::string_view kSettingFile = "setting.txt";

inline constexpr std::size_t kGameTitleBytes = 255;     // a 256-byte field with its terminator
inline constexpr std::size_t kFocusImageBytes = 259;    // a 260-byte field with its terminator
inline constexpr std::size_t kFontFaceBytes = 31;       // a 32-byte face name with its terminator
inline constexpr int kFontColourCount = 9;

// "ＭＳ ゴシック" in CP932: the face the game's text is drawn in unless setting.txt names another.
inline constexpr std::string_view kDefaultFontFace =
    "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";

// The game's text font as far as setting.txt stores it. The other attributes are fixed: Shift-JIS
// character set, fixed pitch in the modern family, proof quality (the renderer applies them).
struct TextFont {
    std::string face = std::string(kDefaultFontFace);  // CP932, at most kFontFaceBytes
    int weight = 700;                                  // 0..900 in steps of 100
    bool operator==(const TextFont&) const = default;
};

struct GameSettings {
    std::string title;  // "ｹﾞｰﾑ名", CP932, at most kGameTitleBytes, blanks allowed
    // "戦闘ﾌｫｰｶｽ画像": a file of the image folder and how it is drawn.
    std::string focusImage;
    DrawSpec focusSpec;
    int effectArrowTalk = 0;
    int effectArrowMenuUp = 0;
    int effectArrowMenuDown = 0;
    int effectBareHand = 0;
    int soundBareHand = 0;
    int battleEndSound = 1;  // 0 none, 1 yes
    int soundBattleItem = 0;
    int soundBattleLevelUp = 0;
    int soundPoison = 0;
    int soundEquip = 0;
    int soundUnequip = 0;
    int bgmLevelUp = 0;
    int bgmGameOver = 0;
    std::string currencyName;  // "通貨名", CP932, at most kGameTitleBytes, blanks allowed
    int lineThickness = 3;
    int battleMenuTranslucent = 0;
    int eventBackgroundImage = 1;  // 0 solid fill, 1 image
    int menuSelectAlpha = 10;
    Rgb eventFrameColour{255, 255, 255};
    Rgb eventBackColour{0, 70, 0};
    Rgb battleItemBackColour{0, 0, 0};
    int battleItemAlpha = 20;
    Rgb talkBackColour{0, 0, 0};
    int talkFadeMax = 16;
    int talkFace = 1;  // 0 none, 1 top, 2 centre, 3 centre without margin
    int talkY = 160;
    int poisonInterval = 10;
    int moveIntervalPc = 2;
    int moveIntervalNpc = 4;
    int noScrollWidth = 80;
    int noScrollHeight = 60;
    int straightMax = 5;
    int gameSpeed = 30;
    int fadeSpeed = 1;
    int turnSpeed = 10;
    int enemyAttackSpeed = 4;
    int damageSpeed = 2;
    int enemyDamageSpeed = 2;
    int focusSpeed = 5;
    int letterSpeed = 2;
    TextFont font;
    // Normal, unselected 1, unselected 2, unusable, unselected and unusable, poison, sleep, and two
    // colours the editor has no row for.
    std::array<Rgb, kFontColourCount> fontColours{{{255, 255, 255},
                                                   {155, 155, 155},
                                                   {55, 55, 55},
                                                   {255, 55, 55},
                                                   {155, 55, 55},
                                                   {255, 64, 255},
                                                   {0, 255, 255},
                                                   {255, 255, 64},
                                                   {255, 64, 64}}};
    int eventFontSize = 13;
    int talkFontSize = 15;
    int abilityMax = 9999;
    int itemOwnMax = 99;
    float itemSellRate = 0.5f;  // a fraction of the price
    int buyShown = 8;
    int sellShown = 8;
    int menuShownEquip = 4;
    int menuShownMagicItems = 7;
    int battleShown = 6;
    int saveShown = 11;
    int battleItemMargin = 6;
    int battleWaitTalk = 1000;
    int battleWaitMagicItems = 1000;
    int saveMax = 30;
    int menuWidthShopBattle = 58;
    int menuWidthLevelUpMenu = 90;
    int menuWidthTalk = 58;
    int itemHeight = 18;
    int fadeStepMonster = 1;
    int fadeStepTalk = 1;
    int volumeAll = 0;
    int volumeBgm = 0;
    int volumeSound = 0;
    int keyInterval = 8;
    int talkMargin = 5;
    int menuTextX = 7;
    int menuTextY = 4;
    int criticalRate = 9;
    int damageSpread = 5;
    int damageSpreadCritical = 10;
    int enemyAttackDistance = 5;
    int criticalSoundEffect = -1;
    int criticalSoundVolume = 0;

    bool operator==(const GameSettings&) const = default;
};

// The defaults of every setting and of the font.
void ResetGameSettings(GameSettings& settings);

// The whole of setting.txt for `settings`.
std::string GameSettingsBytes(const GameSettings& settings);
// Resets `settings`, then takes every section of `bytes` it recognises. Never fails: anything that
// does not parse keeps its default (single-line colours become 0, 0, 0 first).
void ParseGameSettings(std::string_view bytes, GameSettings& settings);

// When setting.txt is missing or unreadable the defaults stand.
ReadStatus LoadGameSettings(const Project& project, GameSettings& settings);
bool SaveGameSettings(const Project& project, const GameSettings& settings, SaveUi& ui);

}  // namespace lw
