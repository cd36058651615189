#include "editors/events/earthquake_command_dialog.h"

#include <QHBoxLayout>
#include <tuple>

#include "core/media/talk_markup.h"
#include "editors/events/group_chooser.h"
#include "widgets/number_spin.h"

namespace lw {

namespace {
constexpr int kSceneGroupCapacity = 256;
}

std::vector<std::string> TalkModeGroups() { return std::vector<std::string>(kSceneGroupCapacity); }

EarthquakeCommandDialog::EarthquakeCommandDialog(EditorContext& context, CommandDialogMode mode,
                                                 std::vector<std::string> groupExplanations, QWidget* parent)
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

QComboBox* EarthquakeCommandDialog::groupChoice() const { return group_->combo(); }
QLineEdit* EarthquakeCommandDialog::explanation() const { return group_->explanation(); }

QuakeCommand EarthquakeCommandDialog::quake() const {
    QuakeCommand q;
    q.speed = speed_->TakenValue();
    q.amplitudeX = x_->TakenValue();
    q.amplitudeY = y_->TakenValue();
    q.count = count_->TakenValue();
    q.afterGroup = group_->value();
    return q;
}

std::optional<std::string> EarthquakeCommandDialog::Build() {
    const QuakeCommand q = quake();
    return mode_ == CommandDialogMode::Talk ? TalkEarthquakeCommand(q) : BuildEarthquake(ClampQuake(q));
}

std::optional<std::string> RunEarthquakeCommand(EditorContext& context, CommandDialogMode mode,
                                                std::vector<std::string> groupExplanations, QWidget* parent) {
    return RunCommandDialog<EarthquakeCommandDialog>(context, mode, std::move(groupExplanations), parent);
}

}  // namespace lw
