#include "core/settings/game_settings.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

using S = GameSettings;

// How a section's value line is stored.
enum class Kind {
    Line,         // the whole line, blanks kept
    FocusImage,   // "%s %d %d %d %d %d": file name, draw mode, key flag, key colour
    Ints,         // "%d", "%d %d" or "%d %d %d"
    Colour,       // "%d %d %d", cleared before it is parsed
    FontFace,     // the whole line, cut to the face's width
    FontWeight,   // the weight / 100, clamped to 0..9 when read
    FontColours,  // nine "%d %d %d" lines
    SellRate,     // "%.2f"
};

struct SectionDesc {
    std::string_view tag;
    Kind kind;
    std::vector<int S::*> ints;
    std::string S::*text = nullptr;
    Rgb S::*colour = nullptr;
};

SectionDesc Line(std::string_view tag, std::string S::*m) { return {tag, Kind::Line, {}, m, nullptr}; }
SectionDesc Ints(std::string_view tag, std::initializer_list<int S::*> m) { return {tag, Kind::Ints, m, nullptr, nullptr}; }
SectionDesc Colour(std::string_view tag, Rgb S::*m) { return {tag, Kind::Colour, {}, nullptr, m}; }
SectionDesc Other(std::string_view tag, Kind kind) { return {tag, kind, {}, nullptr, nullptr}; }

// Every section of setting.txt in file order.
const std::vector<SectionDesc>& Sections() {
    static const std::vector<SectionDesc> sections = {
        Line("title", &S::title),
        Other("img_focus", Kind::FocusImage),
        Ints("effect_arrow_talk", {&S::effectArrowTalk}),
        Ints("effect_arrow_menu1", {&S::effectArrowMenuUp}),
        Ints("effect_arrow_menu2", {&S::effectArrowMenuDown}),
        Ints("effect_bare", {&S::effectBareHand}),
        Ints("wave_bare", {&S::soundBareHand}),
        Ints("wave_battle", {&S::battleEndSound, &S::soundBattleItem, &S::soundBattleLevelUp}),
        Ints("wave_poison", {&S::soundPoison}),
        Ints("wave_equip_set", {&S::soundEquip}),
        Ints("wave_equip_remove", {&S::soundUnequip}),
        Ints("midi_level_up", {&S::bgmLevelUp}),
        Ints("midi_gameover", {&S::bgmGameOver}),
        Line("denomi_name", &S::currencyName),
        Ints("line_thick", {&S::lineThickness}),
        Ints("flag_battle_alpha", {&S::battleMenuTranslucent}),
        Ints("flag_back_bmp", {&S::eventBackgroundImage}),
        Ints("alpha_select", {&S::menuSelectAlpha}),
        Colour("rgb_line", &S::eventFrameColour),
        Colour("rgb_back", &S::eventBackColour),
        Colour("rgb_battle_item", &S::battleItemBackColour),
        Ints("alpha_battle_item", {&S::battleItemAlpha}),
        Colour("rgb_back_talk", &S::talkBackColour),
        Ints("fade_max_talk", {&S::talkFadeMax}),
        Ints("flag_talk_face", {&S::talkFace}),
        Ints("talk_y", {&S::talkY}),
        Ints("poison_interval", {&S::poisonInterval}),
        Ints("move_interval_pc", {&S::moveIntervalPc}),
        Ints("move_interval_npc", {&S::moveIntervalNpc}),
        Ints("no_scroll_area", {&S::noScrollWidth, &S::noScrollHeight}),
        Ints("straight_max", {&S::straightMax}),
        Ints("game_speed", {&S::gameSpeed}),
        Ints("fade_speed", {&S::fadeSpeed}),
        Ints("turn_speed", {&S::turnSpeed}),
        Ints("enemy_attack_speed", {&S::enemyAttackSpeed}),
        Ints("damage_speed", {&S::damageSpeed}),
        Ints("enemy_damage__speed", {&S::enemyDamageSpeed}),  // two underscores: the game reads it so
        Ints("focus_speed", {&S::focusSpeed}),
        Ints("letter_speed", {&S::letterSpeed}),
        Other("font_name", Kind::FontFace),
        Other("font_weight", Kind::FontWeight),
        Other("font_color", Kind::FontColours),
        Ints("event_font_size", {&S::eventFontSize}),
        Ints("talk_font_size", {&S::talkFontSize}),
        Ints("ability_max", {&S::abilityMax}),
        Ints("item_own_num", {&S::itemOwnMax}),
        Other("item_sell_rate", Kind::SellRate),
        Ints("buy_disp_num", {&S::buyShown}),
        Ints("sell_disp_num", {&S::sellShown}),
        Ints("menu_disp_num1", {&S::menuShownEquip}),
        Ints("menu_disp_num2", {&S::menuShownMagicItems}),
        Ints("battle_disp_num", {&S::battleShown}),
        Ints("save_disp_num", {&S::saveShown}),
        Ints("battle_item_y", {&S::battleItemMargin}),
        Ints("battle_wait1", {&S::battleWaitTalk}),
        Ints("battle_wait2", {&S::battleWaitMagicItems}),
        Ints("save_max", {&S::saveMax}),
        Ints("menu_width1", {&S::menuWidthShopBattle}),
        Ints("menu_width2", {&S::menuWidthLevelUpMenu}),
        Ints("menu_width3", {&S::menuWidthTalk}),
        Ints("item_height", {&S::itemHeight}),
        Ints("fade_increment_monster", {&S::fadeStepMonster}),
        Ints("fade_increment_talk", {&S::fadeStepTalk}),
        Ints("vol_all", {&S::volumeAll}),
        Ints("vol_bgm", {&S::volumeBgm}),
        Ints("vol_sound", {&S::volumeSound}),
        Ints("key_interval", {&S::keyInterval}),
        Ints("talk_margin", {&S::talkMargin}),
        Ints("pos_menu_item", {&S::menuTextX, &S::menuTextY}),
        Ints("critical_rate", {&S::criticalRate}),
        Ints("ampl_damage", {&S::damageSpread}),
        Ints("ampl_damage_crt", {&S::damageSpreadCritical}),
        Ints("dist_enemy_attack", {&S::enemyAttackDistance}),
        Ints("effect_wave_crt", {&S::criticalSoundEffect}),
        Ints("vol_sound_crt", {&S::criticalSoundVolume}),
    };
    return sections;
}

std::string ColourLine(const Rgb& c) {
    return FormatInt(c.red) + ' ' + FormatInt(c.green) + ' ' + FormatInt(c.blue);
}

void ScanColour(std::string_view line, Rgb& c) {
    c = Rgb{};
    FieldScanner scan(line);
    scan.Int(c.red) && scan.Int(c.green) && scan.Int(c.blue);
}

std::string FocusLine(const S& s) {
    std::string line = s.focusImage;
    for (int v : {s.focusSpec.mode, s.focusSpec.keyOn, s.focusSpec.key.red, s.focusSpec.key.green, s.focusSpec.key.blue}) {
        line += ' ';
        line += FormatInt(v);
    }
    return line;
}

void ScanFocus(std::string_view line, S& s) {
    // An empty file name is written as nothing before the first blank. Taking the first number as
    // the name would turn the default " 0 0 0 0 0" into a file called "0", so a line that starts
    // with a blank has no name and its numbers are read as they stand.
    FieldScanner scan(line);
    if (line.empty() || (line.front() != ' ' && line.front() != '\t')) {
        if (!scan.Token(s.focusImage, kFocusImageBytes)) return;
    }
    scan.Int(s.focusSpec.mode) && scan.Int(s.focusSpec.keyOn) && scan.Int(s.focusSpec.key.red) &&
        scan.Int(s.focusSpec.key.green) && scan.Int(s.focusSpec.key.blue);
}

}  // namespace

void ResetGameSettings(GameSettings& settings) { settings = GameSettings{}; }

std::string GameSettingsBytes(const GameSettings& s) {
    TagWriter w;
    w.Reserve(4096);
    for (const SectionDesc& d : Sections()) {
        w.Open(d.tag);
        switch (d.kind) {
        case Kind::Line: w.Line(s.*d.text); break;
        case Kind::FocusImage: w.Line(FocusLine(s)); break;
        case Kind::Ints: {
            std::string line;
            for (std::size_t i = 0; i < d.ints.size(); ++i) {
                if (i > 0) line += ' ';
                line += FormatInt(s.*d.ints[i]);
            }
            w.Line(line);
            break;
        }
        case Kind::Colour: w.Line(ColourLine(s.*d.colour)); break;
        case Kind::FontFace: w.Line(s.font.face); break;
        case Kind::FontWeight: w.Int(s.font.weight / 100); break;
        case Kind::FontColours:
            for (const Rgb& c : s.fontColours) w.Line(ColourLine(c));
            break;
        case Kind::SellRate: w.Fixed(static_cast<double>(s.itemSellRate), 2); break;
        }
        w.Close(d.tag);
    }
    return w.Take();
}

void ParseGameSettings(std::string_view bytes, GameSettings& s) {
    ResetGameSettings(s);
    TagReader reader;
    int colourPosition = 0;
    for (const SectionDesc& d : Sections()) {
        switch (d.kind) {
        case Kind::Line:
            reader.Section(d.tag, [&s, m = d.text](std::string_view line) { s.*m = CutCopy(line, kGameTitleBytes); });
            break;
        case Kind::FocusImage:
            reader.Section(d.tag, [&s](std::string_view line) { ScanFocus(line, s); });
            break;
        case Kind::Ints:
            reader.Section(d.tag, [&s, &d](std::string_view line) {
                FieldScanner scan(line);
                for (int S::*m : d.ints) {
                    if (!scan.Int(s.*m)) break;
                }
            });
            break;
        case Kind::Colour:
            reader.Section(d.tag, [&s, m = d.colour](std::string_view line) { ScanColour(line, s.*m); });
            break;
        case Kind::FontFace:
            reader.Section(d.tag, [&s](std::string_view line) { s.font.face = CutCopy(line, kFontFaceBytes); });
            break;
        case Kind::FontWeight:
            reader.Section(d.tag, [&s](std::string_view line) {
                int value = 0;
                if (ScanInt(line, value)) s.font.weight = std::clamp(value, 0, 9) * 100;
            });
            break;
        case Kind::FontColours:
            reader.Section(
                d.tag,
                [&s, &colourPosition](std::string_view line) {
                    if (colourPosition >= kFontColourCount) return;
                    ScanColour(line, s.fontColours[static_cast<std::size_t>(colourPosition++)]);
                },
                [&colourPosition] { colourPosition = 0; });
            break;
        case Kind::SellRate:
            reader.Section(d.tag, [&s](std::string_view line) { ScanFloat(line, s.itemSellRate); });
            break;
        }
    }
    reader.Read(bytes);
}

ReadStatus LoadGameSettings(const Project& project, GameSettings& settings) {
    ResetGameSettings(settings);
    FileBytes file = ReadFileBytes(DataFilePath(project, kSettingFile), kSmallFileCeiling);
    if (file.ok()) ParseGameSettings(file.bytes, settings);
    return file.status;
}

bool SaveGameSettings(const Project& project, const GameSettings& settings, SaveUi& ui) {
    return SaveDataFile(project, kSettingFile, GameSettingsBytes(settings), ui);
}

}  // namespace lw
