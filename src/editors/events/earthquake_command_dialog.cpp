#include "editors/events/earthquake_command_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/services.h"
#include "core/media/talk_markup.h"
#include "widgets/dialog_buttons.h"

namespace lw {

namespace {
constexpr int kSceneGroupCapacity = 256;
}

std::vector<std::string> TalkModeGroups() { return std::vector<std::string>(kSceneGroupCapacity); }

EarthquakeCommandDialog::EarthquakeCommandDialog(EditorContext&, CommandDialogMode mode,
                                                 std::vector<std::string> groupExplanations, QWidget* parent)
    : QDialog(parent), mode_(mode), explanations_(std::move(groupExplanations)) {
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

    auto* after = new QGroupBox(tr("地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"), this);
    auto* afterGrid = new QGridLayout(after);
    group_ = new QComboBox(after);
    group_->addItem(tr("なし"));
    for (std::size_t i = 0; i < explanations_.size(); ++i) group_->addItem(QString::number(i));
    group_->setCurrentIndex(0);
    explanation_ = new QLineEdit(after);
    explanation_->setReadOnly(true);
    explanation_->setMinimumWidth(220);
    afterGrid->addWidget(group_, 0, 0);
    afterGrid->addWidget(new QLabel(tr("説明"), after), 0, 1);
    afterGrid->addWidget(explanation_, 0, 2);
    afterGrid->setColumnStretch(2, 1);
    layout->addWidget(after);
    connect(group_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const bool chosen = index >= 1 && index - 1 < static_cast<int>(explanations_.size());
        explanation_->setText(chosen ? FromCp932(explanations_[static_cast<std::size_t>(index - 1)]) : QString());
    });

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

QuakeCommand EarthquakeCommandDialog::quake() const {
    QuakeCommand q;
    q.speed = speed_->TakenValue();
    q.amplitudeX = x_->TakenValue();
    q.amplitudeY = y_->TakenValue();
    q.count = count_->TakenValue();
    q.afterGroup = group_->currentIndex() - 1;  // "なし" and no choice: none
    if (q.afterGroup < 0) q.afterGroup = kNoEventGroup;
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
