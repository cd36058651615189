#include "editors/events/shared_command_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <tuple>

#include "app/editor_context.h"
#include "app/language.h"
#include "app/services.h"
#include "core/world/scene.h"
#include "core/media/audio_lists.h"
#include "core/media/image_lists.h"
#include "editors/events/command_dialog.h"
#include "previews/image_view.h"
#include "widgets/number_spin.h"

namespace lw {

namespace {

// The caption of the music or sound command.
QString Caption(AudioList list, CommandDialogMode mode) {
    const bool talk = mode == CommandDialogMode::Talk;
    if (list == AudioList::Bgm) return talk ? QObject::tr("会話ｺﾏﾝﾄﾞ(BGM再生)") : QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)");
    return talk ? QObject::tr("会話ｺﾏﾝﾄﾞ(効果音再生)") : QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(効果音再生)");
}

// The caption and field label of a number command.
struct Texts {
    QString caption;
    QString label;
};

Texts TextsOf(NumberCommand command) {
    switch (command) {
    case NumberCommand::ExperienceUp: return {QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(経験点ｱｯﾌﾟ)"), QObject::tr("上昇値")};
    case NumberCommand::TalkSpeed: return {QObject::tr("会話ｺﾏﾝﾄﾞ(文字速度)"), QObject::tr("速度")};
    case NumberCommand::TalkDeleteAnimation: return {QObject::tr("会話ｺﾏﾝﾄﾞ(ｱﾆﾒ削除)"), QObject::tr("ｱﾆﾒ識別番号")};
    // The "j" in the wait caption is part of the caption.
    case NumberCommand::TalkWait: return {QObject::tr("会話ｺﾏﾝﾄﾞ(待ちj時間)"), QObject::tr("待ち時間")};
    }
    return {};
}

// The music and sound commands (RunAudioCommand).
class AudioCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    AudioCommandDialog(EditorContext& context, AudioList list, CommandDialogMode mode, QWidget* parent)
        : CommandDialog(context, Caption(list, mode), parent),
          list_(list),
          mode_(mode),
          audio_(AddAudioChoice(list == AudioList::Bgm ? tr("BGM") : tr("効果音"), list)) {
        const bool eventSound = list == AudioList::Sound && mode == CommandDialogMode::Event;
        if (eventSound) {
            std::vector<QString> timings;
            for (int i = 0; i < kSoundTimingCount; ++i)
                timings.push_back(CoreText(SoundTimingLabel(static_cast<SoundTiming>(i))));
            timing_ = AddRadios(tr("再生時期"), timings, static_cast<int>(SoundTiming::AfterEvent));
        }
        AddButtons();
        if (eventSound) NeedList(FormatOf(AudioList::Sound).fileName, audio_.read);
    }

private:
    // The drop-down position less one ("なし" and no choice give -1).
    int Chosen() const { return audio_.choice->currentIndex() < 0 ? -1 : audio_.choice->currentIndex() - 1; }

    std::optional<std::string> Build() override {
        const bool talk = mode_ == CommandDialogMode::Talk;
        if (list_ == AudioList::Bgm) return talk ? TalkBgmCommand(Chosen()) : BuildPlayBgm(Chosen());
        if (talk) return TalkSoundCommand(Chosen());
        const int id = timing_->checkedId();
        const SoundTiming timing =
            id >= 0 && id < kSoundTimingCount ? static_cast<SoundTiming>(id) : SoundTiming::AfterEvent;
        return BuildPlaySound(Chosen(), timing);
    }

    AudioList list_;
    CommandDialogMode mode_;
    AudioChoice audio_;
    QButtonGroup* timing_ = nullptr;  // when the sound plays; null but for the sound of an event
};

// The face command (RunFaceCommand).
class FaceCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    FaceCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent)
        : CommandDialog(context,
                        mode == CommandDialogMode::Talk ? tr("会話ｺﾏﾝﾄﾞ(顔画像)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話の顔画像)"), parent),
          mode_(mode) {
        LoadFaceList(context_.project, faces_);
        QStringList faces{tr("なし")};
        for (const FaceEntry& f : faces_) faces << FromCp932(FaceComboText(f));
        PreviewIn(ViewMode::Animation);
        face_ = AddChoice(tr("顔画像"), 28, faces);
        AddButtons();
        connect(face_, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
    }

private:
    int ChosenFace() const { return face_->currentIndex() < 0 ? -1 : face_->currentIndex() - 1; }

    void ShowPreview() override {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        const int face = ChosenFace();
        if (face < 0 || face >= static_cast<int>(faces_.size())) {
            v.Hide();
            return;
        }
        // The face as a one-cell animation: the preview draws exactly its rectangle in its mode.
        const FaceEntry& f = faces_[static_cast<std::size_t>(face)];
        v.state().animation = FaceAnimation(f);
        v.state().currentFrame = 0;
        v.ShowAnimationCell(this, f.fileName);
    }

    std::optional<std::string> Build() override {
        return mode_ == CommandDialogMode::Talk ? TalkFaceCommand(ChosenFace()) : BuildTalkFace(ChosenFace());
    }

    CommandDialogMode mode_;
    std::vector<FaceEntry> faces_;
    QComboBox* face_;
};

// The number dialog (RunNumberCommand).
class NumberCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    NumberCommandDialog(EditorContext& context, NumberCommand command, QWidget* parent)
        : CommandDialog(context, TextsOf(command).caption, parent), command_(command) {
        const NumberCommandRange range = RangeOf(command);
        number_ = AddNumber(TextsOf(command).label, range.min, range.max, 0);
        number_->setSingleStep(range.step);
        number_->setMinimumWidth(120);
        if (command == NumberCommand::TalkWait) {
            auto* box = static_cast<QGroupBox*>(number_->parentWidget());
            Row(box)->addWidget(new QLabel(tr("/10秒"), box));
        }
        AddButtons();
        number_->setFocus();
        number_->selectAll();
    }

private:
    std::optional<std::string> Build() override { return BuildNumberCommand(command_, number_->TakenValue()); }

    NumberCommand command_;
    NumberSpin* number_;
};

// The earthquake command (RunEarthquakeCommand).
class EarthquakeCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    EarthquakeCommandDialog(EditorContext& context, CommandDialogMode mode, std::vector<std::string> groupExplanations,
                            QWidget* parent)
        : CommandDialog(context, mode == CommandDialogMode::Talk ? tr("会話ｺﾏﾝﾄﾞ(地震)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(地震)"), parent),
          mode_(mode) {
        const QuakeCommand defaults;
        QHBoxLayout* values = AddLine();
        speed_ = AddNumber(tr("速度"), kQuakeSpeedMin, kQuakeSpeedMax, defaults.speed, values);
        count_ = AddNumber(tr("回数"), kQuakeCountMin, kQuakeCountMax, defaults.count, values);
        std::tie(x_, y_) = AddPoint(tr("振幅"), kQuakeAmplitudeXLimit, kQuakeAmplitudeYLimit, defaults.amplitudeX,
                                    defaults.amplitudeY);
        group_ = AddGroup(tr("地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), std::move(groupExplanations));
        AddButtons();
    }

private:
    std::optional<std::string> Build() override {
        const QuakeCommand q{.speed = speed_->TakenValue(),
                             .amplitudeX = x_->TakenValue(),
                             .amplitudeY = y_->TakenValue(),
                             .count = count_->TakenValue(),
                             .afterGroup = group_->value()};
        return mode_ == CommandDialogMode::Talk ? TalkEarthquakeCommand(q) : BuildEarthquake(ClampQuake(q));
    }

    CommandDialogMode mode_;
    NumberSpin* speed_;
    NumberSpin* x_;
    NumberSpin* y_;
    NumberSpin* count_;
    GroupChooser* group_;
};

}  // namespace

std::optional<std::string> RunAudioCommand(EditorContext& context, AudioList list, CommandDialogMode mode,
                                           QWidget* parent) {
    return RunCommandDialog<AudioCommandDialog>(context, list, mode, parent);
}

std::optional<std::string> RunFaceCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent) {
    return RunCommandDialog<FaceCommandDialog>(context, mode, parent);
}

std::optional<std::string> RunNumberCommand(EditorContext& context, NumberCommand command, QWidget* parent) {
    return RunCommandDialog<NumberCommandDialog>(context, command, parent);
}

std::vector<std::string> TalkModeGroups() { return std::vector<std::string>(kSceneGroupCapacity); }

std::optional<std::string> RunEarthquakeCommand(EditorContext& context, CommandDialogMode mode,
                                                std::vector<std::string> groupExplanations, QWidget* parent) {
    return RunCommandDialog<EarthquakeCommandDialog>(context, mode, std::move(groupExplanations), parent);
}

}  // namespace lw

#include "shared_command_dialogs.moc"
