#include "core/events/event_commands.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/tagfile/scan.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

template <typename E, std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& table, E value) {
    const auto i = static_cast<std::size_t>(value);
    return i < N ? table[i] : std::string_view{};
}

// Assembles one command line: a keyword, then fields each preceded by one blank.
class CommandLine {
public:
    explicit CommandLine(std::string_view keyword) : line_(keyword) {}
    // A line whose keyword is a prefix glued to a number ("flag12", "item4").
    CommandLine(std::string_view prefix, long long number) : line_(prefix) { AppendInt(line_, number); }

    CommandLine& Int(long long value) {
        line_ += ' ';
        AppendInt(line_, value);
        return *this;
    }
    CommandLine& Text(std::string_view text) {
        line_ += ' ';
        line_ += text;
        return *this;
    }
    CommandLine& Prefixed(std::string_view prefix, long long value) {
        line_ += ' ';
        line_ += prefix;
        AppendInt(line_, value);
        return *this;
    }
    // A direction glued to an amount written without its own sign: "-3", "3".
    CommandLine& Signed(AmountSign sign, long long amount) {
        line_ += ' ';
        if (sign == AmountSign::Minus) line_ += '-';
        AppendInt(line_, amount < 0 ? -amount : amount);
        return *this;
    }
    std::string Finish() const { return CutCopy(line_, kEventCommandBuiltBytes); }

private:
    std::string line_;
};

bool IsChosenGroup(int group) { return group >= 0; }

constexpr std::array<std::string_view, kEventCommandCount> kKeywords = {
    "?",          "!",         "ability",    "battle",    "effect",   "end",       "equip",
    "exit",       "exp",       "face",       "fade",      "fade_in_pc", "fade_out_pc", "flag",
    "hp_mp_max",  "init_param", "item",      "load",      "magic_flag", "message", "midi",
    "money",      "nar",       "num_item",   "num_level", "num_money", "quake",    "scene",
    "show_npc",   "show_tre",  "talk",       "title",     "wave",
};

bool IsKeywordOnly(EventCommandKind kind) {
    using K = EventCommandKind;
    switch (kind) {
    case K::EndBranch: case K::EndEvent: case K::ExitGame: case K::Fade: case K::FadeInPc:
    case K::FadeOutPc: case K::FullRecovery: case K::ResetToStart: case K::LoadScreen:
    case K::TitleScreen:
        return true;
    default:
        return false;
    }
}

// "-"? digits, the whole of `s`.
bool IsDecimalNumber(std::string_view s) {
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string_view EventCommandMenuLabel(EventCommandKind kind) {
    static constexpr std::array<std::string_view, kEventCommandCount> kLabels = {
        LW_UI_TEXT("lw", "条件分岐"), LW_UI_TEXT("lw", "条件分岐終了"), LW_UI_TEXT("lw", "能力値ｱｯﾌﾟ"), LW_UI_TEXT("lw", "戦闘"), LW_UI_TEXT("lw", "ｴﾌｪｸﾄ表示"), LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ終了"),
        LW_UI_TEXT("lw", "装備の設定･解除"), LW_UI_TEXT("lw", "ｹﾞｰﾑ終了"), LW_UI_TEXT("lw", "経験点ｱｯﾌﾟ"), LW_UI_TEXT("lw", "会話時の顔画像"), LW_UI_TEXT("lw", "ﾌｪｰﾄﾞｱｳﾄ･ｲﾝ"), LW_UI_TEXT("lw", "PCｪｰﾄﾞｲﾝ"),
        LW_UI_TEXT("lw", "PCｪｰﾄﾞｱｳﾄ"), LW_UI_TEXT("lw", "ﾌﾗｸﾞに数値を設定"), LW_UI_TEXT("lw", "生命点と精神点の全回復"), LW_UI_TEXT("lw", "ｹﾞｰﾑ開始時の状態に設定"),
        LW_UI_TEXT("lw", "ｱｲﾃﾑの追加と削除"), LW_UI_TEXT("lw", "ﾌﾟﾚｲﾃﾞｰﾀのﾛｰﾄﾞ画面表示"), LW_UI_TEXT("lw", "魔法修得可能ﾌﾗｸﾞ設定"), LW_UI_TEXT("lw", "会話表示"),
        LW_UI_TEXT("lw", "BGM再生･停止"), LW_UI_TEXT("lw", "所持金の増減"), LW_UI_TEXT("lw", "ﾅﾚｰｼｮﾝ画面表示"), LW_UI_TEXT("lw", "ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定"),
        LW_UI_TEXT("lw", "ﾚﾍﾞﾙをﾌﾗｸﾞに設定"), LW_UI_TEXT("lw", "所持金額をﾌﾗｸﾞに設定"), LW_UI_TEXT("lw", "地震"), LW_UI_TEXT("lw", "場面変更"), LW_UI_TEXT("lw", "NPC表示･非表示"),
        LW_UI_TEXT("lw", "宝箱の表示･非表示"), LW_UI_TEXT("lw", "会話内容"), LW_UI_TEXT("lw", "ﾀｲﾄﾙ画面表示"), LW_UI_TEXT("lw", "効果音再生"),
    };
    return Pick(kLabels, kind);
}

std::string_view EventCommandKeyword(EventCommandKind kind) { return Pick(kKeywords, kind); }

std::optional<std::string> BuildKeywordCommand(EventCommandKind kind) {
    if (!IsKeywordOnly(kind)) return std::nullopt;
    return std::string(EventCommandKeyword(kind));
}

namespace {

// The keywords matched whole, by length and first byte: at most two keywords share both, so a
// line is compared with two candidates at most. The glued keywords "flag" and "item" are matched
// apart.
constexpr std::size_t kKeywordLengths = 16;
constexpr std::uint8_t kNoKeyword = 0xFF;
using KeywordPair = std::array<std::uint8_t, 2>;
constexpr std::array<KeywordPair, kKeywordLengths * 128> kKeywordsByShape = [] {
    std::array<KeywordPair, kKeywordLengths * 128> t;
    t.fill({kNoKeyword, kNoKeyword});
    for (std::size_t i = 0; i < kKeywords.size(); ++i) {
        const auto kind = static_cast<EventCommandKind>(i);
        if (kind == EventCommandKind::SetFlag || kind == EventCommandKind::AddRemoveItems) continue;
        KeywordPair& pair = t[kKeywords[i].size() * 128 + static_cast<unsigned char>(kKeywords[i].front())];
        if (pair[1] != kNoKeyword) throw "three keywords of one length and first byte";  // stops the build
        pair[pair[0] == kNoKeyword ? 0 : 1] = static_cast<std::uint8_t>(i);
    }
    return t;
}();

}  // namespace

std::optional<EventCommandKind> RecognizeEventCommand(std::string_view line) {
    return RecognizeEventKeyword(line.substr(0, line.find(' ')));
}

std::optional<EventCommandKind> RecognizeEventKeyword(std::string_view token) {
    const int position = EventKeywordPosition(token);
    if (position < 0) return std::nullopt;
    return static_cast<EventCommandKind>(position);
}

int EventKeywordPosition(std::string_view token) {
    if (token.empty()) return -1;
    // Keywords are a few bytes: compared byte by byte rather than through a call.
    auto same = [](std::string_view a, std::string_view b) {
        for (std::size_t k = 0; k < b.size(); ++k)
            if (a[k] != b[k]) return false;
        return true;
    };
    const auto first = static_cast<unsigned char>(token.front());
    if (token.size() < kKeywordLengths && first < 128)
        for (const std::uint8_t i : kKeywordsByShape[token.size() * 128 + first])
            if (i != kNoKeyword && same(token, kKeywords[i])) return i;
    for (const EventCommandKind kind : {EventCommandKind::SetFlag, EventCommandKind::AddRemoveItems}) {
        const std::string_view prefix = kKeywords[static_cast<std::size_t>(kind)];
        if (token.size() > prefix.size() && same(token, prefix) && IsDecimalNumber(token.substr(prefix.size())))
            return static_cast<int>(kind);
    }
    return -1;
}

std::string StoredEventCommandLine(std::string_view line) { return CutCopy(line, kEventCommandStoredBytes); }

std::string_view FlagComparisonLabel(FlagComparison c) {
    static constexpr std::array<std::string_view, kFlagComparisonCount> k = {LW_UI_TEXT("lw", "＝"), "≠", LW_UI_TEXT("lw", "＜"), LW_UI_TEXT("lw", "＞"), "≦", "≧"};
    return Pick(k, c);
}
std::string_view FlagComparisonOperator(FlagComparison c) {
    static constexpr std::array<std::string_view, kFlagComparisonCount> k = {"==", "!=", "<", ">", "<=", ">="};
    return Pick(k, c);
}

std::string_view FlagOperationLabel(FlagOperation op) {
    static constexpr std::array<std::string_view, kFlagOperationCount> k = {LW_UI_TEXT("lw", "= (代入)"), LW_UI_TEXT("lw", "+ (加算)"), LW_UI_TEXT("lw", "- (減算)")};
    return Pick(k, op);
}
std::string_view FlagOperationOperator(FlagOperation op) {
    static constexpr std::array<std::string_view, kFlagOperationCount> k = {"=", "+", "-"};
    return Pick(k, op);
}

std::string_view AmountSignLabel(AmountSign sign) {
    static constexpr std::array<std::string_view, 2> k = {LW_UI_TEXT("lw", "+ (加算)"), LW_UI_TEXT("lw", "- (減算)")};
    return Pick(k, sign);
}

std::string_view AbilityLabel(Ability a) {
    static constexpr std::array<std::string_view, kAbilityCount> k = {
        LW_UI_TEXT("lw", "敏捷度"), LW_UI_TEXT("lw", "回避力"), LW_UI_TEXT("lw", "攻撃力"), LW_UI_TEXT("lw", "肉体防御力"), LW_UI_TEXT("lw", "魔力"), LW_UI_TEXT("lw", "魔法防御力"), LW_UI_TEXT("lw", "最大生命点"), LW_UI_TEXT("lw", "最大精神点")};
    return Pick(k, a);
}

std::string_view EquipmentKindLabel(EquipmentKind kind) {
    static constexpr std::array<std::string_view, kEquipmentKindCount> k = {LW_UI_TEXT("lw", "武器"), LW_UI_TEXT("lw", "兜"), LW_UI_TEXT("lw", "鎧"), LW_UI_TEXT("lw", "盾"), LW_UI_TEXT("lw", "その他")};
    return Pick(k, kind);
}

std::string_view ItemTradeLabel(ItemTrade t) {
    static constexpr std::array<std::string_view, 2> k = {LW_UI_TEXT("lw", "授受"), LW_UI_TEXT("lw", "売買")};
    return Pick(k, t);
}

std::string_view SoundTimingLabel(SoundTiming t) {
    static constexpr std::array<std::string_view, kSoundTimingCount> k = {LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ前"), LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄ後"), LW_UI_TEXT("lw", "ﾌｪｰﾄﾞ")};
    return Pick(k, t);
}

// ---- Builders ----

std::string BuildConditionalBranch(int flag, FlagComparison comparison, int value) {
    return CommandLine("?").Prefixed("flag", flag).Text(FlagComparisonOperator(comparison)).Int(value).Finish();
}

std::string BuildAbilityUp(Ability ability, int amount) {
    return CommandLine("ability").Int(static_cast<int>(ability)).Int(amount).Finish();
}

std::string BuildBattle(const BattleCommand& b) {
    return CommandLine("battle")
        .Int(b.enemyUnit)
        .Int(b.textBefore)
        .Int(b.textAfter)
        .Int(b.talkSpeed)
        .Int(b.canEscape ? 1 : 0)
        .Int(b.afterGroup)
        .Text(b.background)
        .Finish();
}

std::string BuildShowEffect(int effect, int afterGroup) {
    CommandLine line("effect");
    line.Int(effect);
    if (IsChosenGroup(afterGroup)) line.Int(afterGroup);
    return line.Finish();
}

std::string BuildEquip(EquipmentKind kind, int item) {
    return CommandLine("equip").Int(static_cast<int>(kind)).Prefixed("item", item).Finish();
}

std::string BuildExperienceUp(int amount) { return CommandLine("exp").Int(amount).Finish(); }

std::string BuildTalkFace(int face) { return CommandLine("face").Int(face).Finish(); }

std::string BuildSetFlag(int flag, FlagOperation operation, int value) {
    return CommandLine("flag", flag).Text(FlagOperationOperator(operation)).Int(value).Finish();
}

std::string BuildAddRemoveItems(int item, AmountSign sign, int count, ItemTrade trade) {
    return CommandLine("item", item).Signed(sign, count).Int(static_cast<int>(trade)).Finish();
}

std::string BuildMagicLearnFlag(int magic, bool mayLearn) {
    return CommandLine("magic_flag").Int(magic).Int(mayLearn ? 1 : 0).Finish();
}

std::string BuildShowTalk(int group) { return CommandLine("message").Int(group).Finish(); }

std::string BuildPlayBgm(int bgm) { return CommandLine("midi").Int(bgm).Finish(); }

std::string BuildChangeMoney(AmountSign sign, int amount, int doneGroup, int shortGroup) {
    CommandLine line("money");
    line.Signed(sign, amount);
    if (IsChosenGroup(shortGroup)) {
        line.Int(doneGroup).Int(shortGroup);
    } else if (IsChosenGroup(doneGroup)) {
        line.Int(doneGroup);
    }
    return line.Finish();
}

std::string BuildShowNarration(int narration, int afterGroup) {
    CommandLine line("nar");
    line.Int(narration);
    if (IsChosenGroup(afterGroup)) line.Int(afterGroup);
    return line.Finish();
}

std::string BuildItemCountToFlag(int flag, int item) {
    return CommandLine("num_item").Prefixed("flag", flag).Prefixed("item", item).Finish();
}

std::string BuildLevelToFlag(int flag) { return CommandLine("num_level").Prefixed("flag", flag).Finish(); }

std::string BuildMoneyToFlag(int flag) { return CommandLine("num_money").Prefixed("flag", flag).Finish(); }

std::string BuildEarthquake(const QuakeCommand& q) {
    CommandLine line("quake");
    line.Int(q.speed).Int(q.amplitudeX).Int(q.amplitudeY);
    const bool group = IsChosenGroup(q.afterGroup);
    if (group || q.count >= 2) line.Int(q.count);
    if (group) line.Int(q.afterGroup);
    return line.Finish();
}

std::string BuildSceneChange(int scene, int x, int y, int group) {
    CommandLine line("scene");
    line.Int(scene).Int(x).Int(y);
    if (IsChosenGroup(group)) line.Int(group);
    return line.Finish();
}

std::string BuildShowNpc(int npc, bool shown) { return CommandLine("show_npc").Int(npc).Int(shown ? 1 : 0).Finish(); }

std::string BuildShowTreasure(int chest, bool shown) {
    return CommandLine("show_tre").Int(chest).Int(shown ? 1 : 0).Finish();
}

std::string BuildTalkContent(const TalkContentCommand& talk) {
    CommandLine line("talk");
    line.Int(talk.text);
    const auto disabled = std::count_if(talk.choices.begin(), talk.choices.end(),
                                        [](const TalkChoice& c) { return c.disabled; });
    if (disabled == kTalkChoiceCount) {
        if (talk.showMoney) line.Int(1);
        return line.Finish();
    }
    line.Int(talk.showMoney ? 1 : 0).Int(disabled);
    for (const TalkChoice& c : talk.choices) line.Int(c.disabled ? kNoEventGroup : c.group);
    for (const TalkChoice& c : talk.choices)
        line.Text(c.disabled || c.text.empty() ? kTalkChoiceNoneText : std::string_view(c.text));
    return line.Finish();
}

std::string BuildPlaySound(int sound, SoundTiming timing) {
    return CommandLine("wave").Int(sound).Int(static_cast<int>(timing)).Finish();
}

}  // namespace lw
