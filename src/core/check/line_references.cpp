#include "core/check/line_references.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "core/events/event_commands.h"
#include "core/media/talk_markup.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

// ParseDecimal, kept in line for the scans.
[[gnu::always_inline]] inline bool Decimal(std::string_view token, long long& value) {
    if (token.empty() || token.front() == '+') return false;
    const char* const end = token.data() + token.size();
    // Up to 18 digits cannot overflow: read them directly (event lines hold a million of them).
    const bool negative = token.front() == '-';
    const char* p = token.data() + (negative ? 1 : 0);
    if (p != end && end - p <= 18) {
        long long v = 0;
        for (; p != end; ++p) {
            const unsigned digit = static_cast<unsigned>(static_cast<unsigned char>(*p)) - '0';
            if (digit > 9) return false;
            v = v * 10 + digit;
        }
        value = negative ? -v : v;
        return true;
    }
    auto [ptr, ec] = std::from_chars(token.data(), end, value);
    return ec == std::errc{} && ptr == end;
}

}  // namespace

bool ParseDecimal(std::string_view token, long long& value) { return Decimal(token, value); }

namespace {

// The fields between single blanks, eight bytes looked at together: lines are short and a project
// holds a million of them, so a search call per field costs more than the fields.
static_assert(std::endian::native == std::endian::little, "a byte's position is read from its bit");
constexpr std::uint64_t kOnes = 0x0101010101010101ull, kLow7s = 0x7F7F7F7F7F7F7F7Full;

// The high bit of each byte of `v` that is a blank, and of no other byte.
inline std::uint64_t BlankBits(std::uint64_t v) {
    const std::uint64_t x = v ^ (kOnes * ' ');  // blank bytes become 0
    return ~(((x & kLow7s) + kLow7s) | x | kLow7s);
}

// Bytes from..size-1 of `data` (one to seven of them) as the low bytes of a word, the rest 0. A
// line of eight bytes or more is read from its end, never past it.
inline std::uint64_t TailWord(const char* data, std::size_t from, std::size_t size) {
    std::uint64_t v = 0;
    if (size >= 8) {
        std::memcpy(&v, data + size - 8, 8);
        return v >> (8 * (8 - (size - from)));
    }
    for (std::size_t k = from; k < size; ++k) v |= std::uint64_t{static_cast<unsigned char>(data[k])} << (8 * (k - from));
    return v;
}

void SplitFields(std::string_view line, LineFields& fields) {
    const char* const data = line.data();
    const std::size_t size = line.size();
    std::size_t n = 0, start = 0;
    auto cut = [&](std::size_t at) {
        if (n < LineFields::kKept) fields.views[n] = std::string_view(data + start, at - start);
        ++n;
        start = at + 1;
    };
    auto blanks = [&](std::uint64_t word, std::size_t at) {
        for (std::uint64_t m = BlankBits(word); m; m &= m - 1) cut(at + static_cast<std::size_t>(std::countr_zero(m) >> 3));
    };
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        blanks(word, i);
    }
    if (i < size) blanks(TailWord(data, i, size), i);
    cut(size);
    fields.count = n;
}

// The fields after the first `skip` of them: `size()` counts them all, `[]` reaches the kept ones
// (every command checks its count before it reads a field, and none has more than are kept).
class FieldViews {
public:
    FieldViews(const LineFields& fields, std::size_t skip) : fields_(fields), skip_(skip) {}
    std::size_t size() const { return fields_.count - skip_; }
    std::string_view operator[](std::size_t i) const { return fields_.views[skip_ + i]; }

private:
    const LineFields& fields_;
    std::size_t skip_;
};

std::string Quoted(std::string_view cp932) { return "\"" + Cp932ToUtf8Lossy(cp932) + "\""; }

std::string RangeText(long long low, long long high) {
    return std::to_string(low) + ".." + std::to_string(high);
}

// Reads the fields of one command after its keyword, noting what they refer to and what is wrong.
class Fields {
public:
    Fields(std::string_view what, FieldViews fields, LineScan& out) : what_(what), fields_(fields), out_(out) {}

    std::size_t size() const { return fields_.size(); }

    // False (with a finding) unless the command has one of the field counts `counts`.
    [[gnu::always_inline]] bool CountIs(std::initializer_list<std::size_t> counts, std::string_view forms) {
        for (std::size_t c : counts)
            if (fields_.size() == c) return true;
        return WrongCount(forms);
    }
    [[gnu::noinline]] bool WrongCount(std::string_view forms) {
        Error("\"" + std::string(what_) + "\" takes " + std::string(forms) + " but the line has " +
              std::to_string(fields_.size()) + "; build the command again with the command menu");
        return false;
    }

    // Field `i` as a number; `prefix` is glued in front of it ("flag", "item").
    [[gnu::always_inline]] bool Number(std::size_t i, long long& value, std::string_view prefix = {}) {
        std::string_view token = fields_[i];
        if (prefix.empty() || token.starts_with(prefix)) {
            token.remove_prefix(prefix.size());
            if (Decimal(token, value)) return true;
        }
        NotANumber(i, prefix);
        return false;
    }
    [[gnu::noinline]] void NotANumber(std::size_t i, std::string_view prefix) {
        Error("field " + std::to_string(i + 1) + " of \"" + std::string(what_) + "\" (" + Quoted(fields_[i]) +
              ") is not " + (prefix.empty() ? std::string("a number") : "\"" + std::string(prefix) + "\" and a number") +
              "; build the command again with the command menu");
    }

    // A number in low..high.
    [[gnu::always_inline]] void Ranged(std::size_t i, long long low, long long high, std::string_view meaning) {
        long long v = 0;
        if (!Number(i, v)) return;
        if (v < low || v > high) OutOfRange(v, low, high, meaning);
    }
    [[gnu::noinline]] void OutOfRange(long long v, long long low, long long high, std::string_view meaning) {
        Error("the " + std::string(meaning) + " " + std::to_string(v) + " of \"" + std::string(what_) +
              "\" is outside " + RangeText(low, high) + "; choose a value in that range");
    }

    // A reference to a row or number; -1 is none where `noneAllowed`.
    [[gnu::always_inline]] void Ref(std::size_t i, RefTarget target, bool noneAllowed, const char* part,
                                    std::string_view prefix = {}) {
        long long v = 0;
        if (!Number(i, v, prefix)) return;
        if (noneAllowed && v == -1) return;
        if (v < INT32_MIN || v > INT32_MAX) v = INT32_MIN;
        Found({target, static_cast<int>(v), {}, part, fields_[i], noneAllowed});
    }
    [[gnu::always_inline]] void Group(std::size_t i, const char* part) { Ref(i, RefTarget::Group, true, part); }
    void Image(std::size_t i, const char* part) {
        if (!fields_[i].empty()) Found({RefTarget::ImageFile, -1, fields_[i], part, fields_[i]});
    }
    void OneOf(std::size_t i, std::initializer_list<std::string_view> choices, std::string_view meaning) {
        for (std::string_view c : choices)
            if (fields_[i] == c) return;
        std::string list;
        for (std::string_view c : choices) list += (list.empty() ? "" : " ") + std::string(c);
        Error("the " + std::string(meaning) + " " + Quoted(fields_[i]) + " of \"" + std::string(what_) +
              "\" is not one of " + list + "; build the command again with the command menu");
    }
    // "-" glued to an amount, or the amount alone; the amount in 0..max.
    void SignedAmount(std::size_t i, long long max, std::string_view meaning) {
        long long v = 0;
        if (!Number(i, v)) return;
        if (v < -max || v > max) OutOfRange(v, -max, max, meaning);
    }

private:
    void Found(const LineReference& r) {
        if (ReferenceIndex* index = out_.index) {
            const bool file = IsFileTarget(r.target);
            Place at = out_.at;
            at.part = r.part;
            index->Add(r.target, file ? -1 : r.index, file ? index->AddName(r.name) : -1, at);
        } else {
            out_.references.push_back(r);
        }
    }
    void Error(std::string message) { out_.findings.push_back({Severity::Error, std::move(message)}); }
    std::string_view what_;
    FieldViews fields_;
    LineScan& out_;
};

constexpr long long kAnyAmount = 2147483647;

void ScanQuake(Fields& f) {
    if (!f.CountIs({3, 4, 5}, "3, 4 or 5 fields")) return;
    f.Ranged(0, kQuakeSpeedMin, kQuakeSpeedMax, "speed");
    f.Ranged(1, -kQuakeAmplitudeXLimit, kQuakeAmplitudeXLimit, "amplitude X");
    f.Ranged(2, -kQuakeAmplitudeYLimit, kQuakeAmplitudeYLimit, "amplitude Y");
    if (f.size() >= 4) f.Ranged(3, kQuakeCountMin, kQuakeCountMax, "repeat count");
    if (f.size() == 5) f.Group(4, "group after");
}

}  // namespace

void ScanEventLine(std::string_view line, const LineLimits& limits, LineScan& out) {
    out.clear();
    if (line.empty()) return;
    SplitFields(line, out.fields);
    const std::string_view first = out.fields.views[0];
    const int position = EventKeywordPosition(first);
    if (position < 0) {
        out.findings.push_back({Severity::Error, Quoted(first) +
                                                     " is not an event command; correct the line or delete it"});
        return;
    }
    using K = EventCommandKind;
    const auto kind = static_cast<K>(position);
    // The glued commands keep their number in the first field; the others lose the keyword, which
    // is the first field itself.
    const bool glued = kind == K::SetFlag || kind == K::AddRemoveItems;
    Fields f(glued ? EventCommandKeyword(kind) : first, FieldViews(out.fields, glued ? 0 : 1), out);
    switch (kind) {
    case K::EndBranch: case K::EndEvent: case K::ExitGame: case K::Fade: case K::FadeInPc:
    case K::FadeOutPc: case K::FullRecovery: case K::ResetToStart: case K::LoadScreen: case K::TitleScreen:
        f.CountIs({0}, "no fields");
        break;
    case K::ConditionalBranch:
        if (!f.CountIs({3}, "3 fields")) break;
        f.Ref(0, RefTarget::Flag, false, "flag", "flag");
        f.OneOf(1, {"==", "!=", "<", ">", "<=", ">="}, "comparison");
        f.Ranged(2, 0, kAnyAmount, "value");
        break;
    case K::AbilityUp:
        if (!f.CountIs({2}, "2 fields")) break;
        f.Ranged(0, 0, kAbilityCount - 1, "ability");
        f.Ranged(1, -limits.abilityMax, limits.abilityMax, "amount");
        break;
    case K::Battle:
        if (!f.CountIs({7}, "7 fields")) break;
        f.Ref(0, RefTarget::EnemyUnit, false, "enemy unit");
        f.Ref(1, RefTarget::Talk, true, "text before");
        f.Ref(2, RefTarget::Talk, true, "text after");
        f.Ranged(3, kTalkSpeedMin, kTalkSpeedMax, "talk speed");
        f.Ranged(4, 0, 1, "escape flag");
        f.Group(5, "group after");
        f.Image(6, "background");
        break;
    case K::ShowEffect:
        if (!f.CountIs({1, 2}, "1 or 2 fields")) break;
        f.Ref(0, RefTarget::Effect, false, "effect");
        if (f.size() == 2) f.Group(1, "group after");
        break;
    case K::Equip:
        if (!f.CountIs({2}, "2 fields")) break;
        f.Ranged(0, 0, kEquipmentKindCount - 1, "equipment kind");
        f.Ref(1, RefTarget::Item, true, "item", "item");
        break;
    case K::ExperienceUp:
        if (!f.CountIs({1}, "1 field")) break;
        f.Ranged(0, -kExperienceLimit, kExperienceLimit, "amount");
        break;
    case K::TalkFace:
        if (!f.CountIs({1}, "1 field")) break;
        f.Ref(0, RefTarget::Face, true, "face");
        break;
    case K::SetFlag:
        if (!f.CountIs({3}, "2 fields after the flag")) break;
        f.Ref(0, RefTarget::Flag, false, "flag", "flag");
        f.OneOf(1, {"=", "+", "-"}, "operation");
        f.Ranged(2, 0, kAnyAmount, "value");
        break;
    case K::AddRemoveItems:
        if (!f.CountIs({3}, "2 fields after the item")) break;
        f.Ref(0, RefTarget::Item, false, "item", "item");
        f.SignedAmount(1, kItemCountMax, "count");
        f.Ranged(2, 0, 1, "trade kind");
        break;
    case K::MagicLearnFlag:
        if (!f.CountIs({2}, "2 fields")) break;
        f.Ref(0, RefTarget::Magic, false, "magic");
        f.Ranged(1, 0, 1, "may-learn flag");
        break;
    case K::ShowTalk:
        if (!f.CountIs({1}, "1 field")) break;
        f.Group(0, "talk group");
        break;
    case K::PlayBgm:
        if (!f.CountIs({1}, "1 field")) break;
        f.Ref(0, RefTarget::Bgm, true, "BGM");
        break;
    case K::ChangeMoney:
        if (!f.CountIs({1, 2, 3}, "1, 2 or 3 fields")) break;
        f.SignedAmount(0, kAnyAmount, "amount");
        if (f.size() >= 2) f.Group(1, "group when done");
        if (f.size() == 3) f.Group(2, "group when short");
        break;
    case K::ShowNarration:
        if (!f.CountIs({1, 2}, "1 or 2 fields")) break;
        f.Ref(0, RefTarget::Narration, false, "narration");
        if (f.size() == 2) f.Group(1, "group after");
        break;
    case K::ItemCountToFlag:
        if (!f.CountIs({2}, "2 fields")) break;
        f.Ref(0, RefTarget::Flag, false, "flag", "flag");
        f.Ref(1, RefTarget::Item, false, "item", "item");
        break;
    case K::LevelToFlag:
    case K::MoneyToFlag:
        if (!f.CountIs({1}, "1 field")) break;
        f.Ref(0, RefTarget::Flag, false, "flag", "flag");
        break;
    case K::Earthquake:
        ScanQuake(f);
        break;
    case K::SceneChange:
        if (!f.CountIs({3, 4}, "3 or 4 fields")) break;
        f.Ref(0, RefTarget::Scene, false, "scene");
        f.Ranged(1, 0, kAnyAmount, "cell x");
        f.Ranged(2, 0, kAnyAmount, "cell y");
        if (f.size() == 4) f.Group(3, "group at the destination");
        break;
    case K::ShowNpc:
        if (!f.CountIs({2}, "2 fields")) break;
        f.Ref(0, RefTarget::Npc, false, "NPC");
        f.Ranged(1, 0, 1, "show flag");
        break;
    case K::ShowTreasure:
        if (!f.CountIs({2}, "2 fields")) break;
        f.Ref(0, RefTarget::Chest, false, "chest");
        f.Ranged(1, 0, 1, "show flag");
        break;
    case K::TalkContent:
        if (!f.CountIs({1, 2, 11}, "1, 2 or 11 fields")) break;
        f.Ref(0, RefTarget::Talk, false, "text");
        if (f.size() >= 2) f.Ranged(1, 0, 1, "money display flag");
        if (f.size() == 11) {
            f.Ranged(2, 0, kTalkChoiceCount, "number of disabled choices");
            static const char* const kChoiceParts[] = {"choice 1 group", "choice 2 group", "choice 3 group",
                                                       "choice 4 group"};
            for (std::size_t c = 0; c < 4; ++c) f.Group(3 + c, kChoiceParts[c]);
        }
        break;
    case K::PlaySound:
        if (!f.CountIs({2}, "2 fields")) break;
        f.Ref(0, RefTarget::Sound, true, "sound");
        f.Ranged(1, 0, kSoundTimingCount - 1, "timing");
        break;
    }
}

void ScanTalkText(std::string_view text, LineScan& out) {
    out.clear();
    // "<" (0x3C) and ">" (0x3E) are never the second byte of a double-byte character.
    std::size_t pos = 0;
    while ((pos = text.find('<', pos)) != std::string_view::npos) {
        const std::size_t close = text.find('>', pos + 1);
        if (close == std::string_view::npos) {
            out.findings.push_back({Severity::Warning,
                                    "a \"<\" is never closed by \">\"; close the command or remove the \"<\""});
            return;
        }
        const std::string_view command = text.substr(pos + 1, close - pos - 1);
        pos = close + 1;
        SplitFields(command, out.fields);
        const std::string_view keyword = out.fields.views[0];
        Fields f(keyword, FieldViews(out.fields, 1), out);
        if (keyword == "midi") {
            if (f.CountIs({1}, "1 field")) f.Ref(0, RefTarget::Bgm, true, "BGM");
        } else if (keyword == "face") {
            if (f.CountIs({1}, "1 field")) f.Ref(0, RefTarget::Face, true, "face");
        } else if (keyword == "wave") {
            if (f.CountIs({1}, "1 field")) f.Ref(0, RefTarget::Sound, true, "sound");
        } else if (keyword == "speed") {
            if (f.CountIs({1}, "1 field")) f.Ranged(0, 0, kTalkSpeedLimit, "speed");
        } else if (keyword == "pos_face" || keyword == "pos_talk") {
            if (f.CountIs({2}, "2 fields")) {
                f.Ranged(0, 0, kTalkScreenWidth, "x");
                f.Ranged(1, 0, kTalkScreenHeight, "y");
            }
        } else if (keyword == "name_back") {
            if (f.CountIs({1}, "1 field")) f.Image(0, "background");
        } else if (keyword == "anim") {
            if (f.CountIs({4}, "4 fields")) {
                f.Ranged(0, 0, kTalkAnimationIdMax, "identifier");
                f.Ref(1, RefTarget::Effect, false, "effect");
                f.Ranged(2, 0, 2, "animation kind");
                f.Ranged(3, 0, 1, "text flag");
            }
        } else if (keyword == "del_anim") {
            if (f.CountIs({1}, "1 field")) f.Ranged(0, 0, kTalkAnimationIdMax, "identifier");
        } else if (keyword == "quake") {
            ScanQuake(f);
        } else if (keyword == "wait") {
            if (f.CountIs({1}, "1 field"))
                f.Ranged(0, 0, static_cast<long long>(kTalkWaitTenthsMax) * kTalkWaitMsPerTenth, "wait");
        } else {
            out.findings.push_back({Severity::Warning, "\"<" + Cp932ToUtf8Lossy(CutToBytes(command, 40)) +
                                                           ">\" is not a talk command; correct it with the command menu"});
        }
    }
}

}  // namespace lw
