#include "core/media/talk_markup.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <array>

#include "core/tagfile/scan.h"

namespace lw {

namespace {

constexpr std::array<std::string_view, kTalkCommandCount> kMenuLabels = {
    LW_UI_TEXT("lw", "改行"), LW_UI_TEXT("lw", "改ﾍﾟｰｼﾞ"), "BGM", LW_UI_TEXT("lw", "顔画像"), LW_UI_TEXT("lw", "効果音"), LW_UI_TEXT("lw", "文字速度"), LW_UI_TEXT("lw", "顔画像位置"),
    LW_UI_TEXT("lw", "文字位置"), LW_UI_TEXT("lw", "背景画像"), LW_UI_TEXT("lw", "ｱﾆﾒ表示"), LW_UI_TEXT("lw", "ｱﾆﾒ削除"), LW_UI_TEXT("lw", "地震"), LW_UI_TEXT("lw", "待ち時間"),
};

int Clamp(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

// "<keyword n n ...>".
class Markup {
public:
    explicit Markup(std::string_view keyword) : text_("<") { text_.append(keyword); }
    Markup& Int(long long value) {
        text_.push_back(' ');
        AppendInt(text_, value);
        return *this;
    }
    Markup& Text(std::string_view value) {
        text_.push_back(' ');
        text_.append(value);
        return *this;
    }
    std::string Done() {
        text_.push_back('>');
        return std::move(text_);
    }

private:
    std::string text_;
};

std::string Wrapped(const std::string& eventCommand) { return "<" + eventCommand + ">"; }

}  // namespace

std::string_view TalkCommandMenuLabel(TalkCommand command) {
    return kMenuLabels[static_cast<std::size_t>(command)];
}

std::string_view TalkAnimationKindLabel(TalkAnimationKind kind) {
    switch (kind) {
    case TalkAnimationKind::NoLoop: return LW_UI_TEXT("lw", "ﾙｰﾌﾟなし");
    case TalkAnimationKind::Loop: return LW_UI_TEXT("lw", "ﾙｰﾌﾟ");
    case TalkAnimationKind::Once: return LW_UI_TEXT("lw", "1度だけ");
    }
    return {};
}

std::string_view TalkWhileAnimatingLabel(TalkWhileAnimating text) {
    return text == TalkWhileAnimating::Continue ? LW_UI_TEXT("lw", "続行") : LW_UI_TEXT("lw", "停止");
}

std::string TalkNewLine() { return "#"; }
std::string TalkNewPage() { return "*"; }

std::string TalkBgmCommand(int bgm) { return Wrapped(BuildPlayBgm(bgm)); }
std::string TalkFaceCommand(int face) { return Wrapped(BuildTalkFace(face)); }
std::string TalkSoundCommand(int sound) { return Markup("wave").Int(sound).Done(); }

std::string TalkSpeedCommand(long long speed) { return Markup("speed").Int(Clamp(speed, 0, kTalkSpeedLimit)).Done(); }

std::string TalkFacePositionCommand(long long x, long long y) {
    return Markup("pos_face").Int(Clamp(x, 0, kTalkScreenWidth)).Int(Clamp(y, 0, kTalkScreenHeight)).Done();
}

std::string TalkTextPositionCommand(long long x, long long y) {
    return Markup("pos_talk").Int(Clamp(x, 0, kTalkScreenWidth)).Int(Clamp(y, 0, kTalkScreenHeight)).Done();
}

std::string TalkBackgroundCommand(std::string_view imageFile) { return Markup("name_back").Text(imageFile).Done(); }

std::string TalkShowAnimationCommand(const TalkAnimationCommand& a) {
    return Markup("anim")
        .Int(Clamp(a.id, 0, kTalkAnimationIdMax))
        .Int(a.effect)
        .Int(static_cast<int>(a.kind))
        .Int(static_cast<int>(a.text))
        .Done();
}

std::string TalkDeleteAnimationCommand(long long id) {
    return Markup("del_anim").Int(Clamp(id, 0, kTalkAnimationIdMax)).Done();
}

QuakeCommand ClampQuake(const QuakeCommand& q) {
    QuakeCommand c = q;
    c.speed = std::clamp(q.speed, kQuakeSpeedMin, kQuakeSpeedMax);
    c.amplitudeX = std::clamp(q.amplitudeX, -kQuakeAmplitudeXLimit, kQuakeAmplitudeXLimit);
    c.amplitudeY = std::clamp(q.amplitudeY, -kQuakeAmplitudeYLimit, kQuakeAmplitudeYLimit);
    c.count = std::clamp(q.count, kQuakeCountMin, kQuakeCountMax);
    return c;
}

std::string TalkEarthquakeCommand(const QuakeCommand& quake) { return Wrapped(BuildEarthquake(ClampQuake(quake))); }

std::string TalkWaitCommand(long long tenths) {
    return Markup("wait").Int(static_cast<long long>(Clamp(tenths, 0, kTalkWaitTenthsMax)) * kTalkWaitMsPerTenth).Done();
}

NumberCommandRange RangeOf(NumberCommand command) {
    switch (command) {
    case NumberCommand::ExperienceUp: return {-kExperienceLimit, kExperienceLimit, 100};
    case NumberCommand::TalkSpeed: return {0, kTalkSpeedLimit, 1};
    case NumberCommand::TalkDeleteAnimation: return {0, kTalkAnimationIdMax, 1};
    case NumberCommand::TalkWait: return {0, kTalkWaitTenthsMax, 1};
    }
    return {};
}

std::string BuildNumberCommand(NumberCommand command, long long typed) {
    const NumberCommandRange r = RangeOf(command);
    const int value = Clamp(typed, r.min, r.max);
    switch (command) {
    case NumberCommand::ExperienceUp: return BuildExperienceUp(value);
    case NumberCommand::TalkSpeed: return TalkSpeedCommand(value);
    case NumberCommand::TalkDeleteAnimation: return TalkDeleteAnimationCommand(value);
    case NumberCommand::TalkWait: return TalkWaitCommand(value);
    }
    return {};
}

}  // namespace lw
