#include "editors/events/earthquake_command_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "core/media/talk_markup.h"
#include "editors/events/group_chooser.h"
#include "widgets/dialog_buttons.h"

namespace lw {

namespace {
constexpr int kSceneGroupCapacity = 256;
}

std::vector<std::string> TalkModeGroups() { return std::vector<std::string>(kSceneGroupCapacity); }

EarthquakeCommandDialog::EarthquakeCommandDialog(EditorContext&, CommandDialogMode mode,
                                                 std::vector<std::string> groupExplanations, QWidget* parent)
    : QDialog(parent), mode_(mode) {
    setWindowTitle(mode == CommandDialogMode::Talk ? tr("会話ｺﾏﾝﾄﾞ(地震)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(地震)"));
    const QuakeCommand defaults;
    auto* layout = new QVBoxLayout(this);

    auto* values = new QGridLayout();
    auto* speedBox = new QGroupBox(tr("速度"), this);
    auto* speedRow = new QHBoxLayout(speedBox);
    speed_ = new NumberSpin(kQuakeSpeedMin, kQuakeSpeedMax, defaults.speed, speedBox);
    speedRow->addWidget(speed_);
    auto* countBox = new QGroupBox(tr("回数"), this);
    auto* countRow = new QHBoxLayout(countBox);
    count_ = new NumberSpin(kQuakeCountMin, kQuakeCountMax, defaults.count, countBox);
    countRow->addWidget(count_);
    auto* amplitude = new QGroupBox(tr("振幅"), this);
    auto* ampRow = new QHBoxLayout(amplitude);
    x_ = new NumberSpin(-kQuakeAmplitudeXLimit, kQuakeAmplitudeXLimit, defaults.amplitudeX, amplitude);
    y_ = new NumberSpin(-kQuakeAmplitudeYLimit, kQuakeAmplitudeYLimit, defaults.amplitudeY, amplitude);
    ampRow->addWidget(new QLabel(tr("X"), amplitude));
    ampRow->addWidget(x_, 1);
    ampRow->addWidget(new QLabel(tr("Y"), amplitude));
    ampRow->addWidget(y_, 1);
    values->addWidget(speedBox, 0, 0);
    values->addWidget(countBox, 0, 1);
    values->addWidget(amplitude, 1, 0, 1, 2);
    layout->addLayout(values);

    group_ = new GroupChooser(tr("地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), std::move(groupExplanations), this);
    layout->addWidget(group_);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
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

void EarthquakeCommandDialog::accept() {
    const QuakeCommand q = quake();
    line_ = mode_ == CommandDialogMode::Talk ? TalkEarthquakeCommand(q) : BuildEarthquake(ClampQuake(q));
    done(QDialog::Accepted);
}

std::optional<std::string> RunEarthquakeCommand(EditorContext& context, CommandDialogMode mode,
                                                std::vector<std::string> groupExplanations, QWidget* parent) {
    EarthquakeCommandDialog dialog(context, mode, std::move(groupExplanations), parent);
    return RunForLine(dialog);
}

}  // namespace lw
