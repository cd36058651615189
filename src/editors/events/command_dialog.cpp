#include "editors/events/command_dialog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/language.h"
#include "audio/play_selection.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/events/group_text.h"
#include "core/media/talk_list.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/audio_glue.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/number_spin.h"
#include "widgets/play_on_select.h"
#include "widgets/list_filter.h"
#include "widgets/read_guard.h"
#include "widgets/record_names_ui.h"

namespace lw {

GroupChooser::GroupChooser(const QString& title, std::vector<std::string> explanations, QWidget* parent)
    : QGroupBox(title, parent), explanations_(std::move(explanations)) {
    auto* grid = new QGridLayout(this);
    combo_ = new QComboBox(this);
    combo_->addItem(tr("なし"));
    // Each group with its explanation beside its number, so that the author sees which it is.
    for (std::size_t i = 0; i < explanations_.size(); ++i)
        combo_->addItem(QString::fromStdString(GroupChoiceLabel(static_cast<int>(i), explanations_[i])));
    combo_->setCurrentIndex(0);
    // A scene may hold 256 groups: show a good part of them when the list drops down, each whole.
    combo_->setMaxVisibleItems(20);
    FitGroupChoices(combo_);
    auto* label = new QLabel(tr("説明"), this);
    explanation_ = new QLineEdit(this);
    explanation_->setReadOnly(true);
    explanation_->setMinimumWidth(220);
    label->setBuddy(explanation_);
    // A scene may hold 256 groups: the filter box above finds one by number or explanation.
    auto* filter = new ListFilter(combo_, title, this);
    filter->SetNumberOf([](int row) { return row - 1; });
    grid->addWidget(filter, 0, 0, 1, 3);
    grid->addWidget(combo_, 1, 0);
    grid->addWidget(label, 1, 1);
    grid->addWidget(explanation_, 1, 2);
    grid->setColumnStretch(2, 1);
    connect(combo_, &QComboBox::currentIndexChanged, this, [this] { ShowExplanation(); });
}

void FitGroupChoices(QComboBox* combo) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 32);
}

int GroupChooser::value() const {
    const int position = combo_->currentIndex();
    // Nothing chosen and "なし" are both none.
    return position >= 1 && position - 1 < GroupCount() ? position - 1 : -1;
}

void GroupChooser::SetValue(int group) { combo_->setCurrentIndex(group >= 0 && group < GroupCount() ? group + 1 : 0); }

void GroupChooser::ShowExplanation() {
    const int group = value();
    explanation_->setText(group >= 0 ? FromCp932(explanations_[static_cast<std::size_t>(group)]) : QString());
}

CommandDialog::CommandDialog(EditorContext& context, const QString& caption, QWidget* parent)
    : PreviewDialog(context, parent), body_(new QVBoxLayout(this)) {
    setWindowTitle(caption);
}

void CommandDialog::accept() {
    std::optional<std::string> built = Build();
    if (!built) return;
    line_ = std::move(*built);
    Leave();
    done(QDialog::Accepted);
}

void CommandDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

void CommandDialog::PreviewIn(ViewMode mode, bool picks) {
    previewing_ = true;
    previewMode_ = mode;
    picks_ = picks;
}

void CommandDialog::OpenPreview() {
    if (!previewing_) return;
    ImageView& v = view();
    v.Open(this);
    v.SetMode(previewMode_, this);
    if (!picks_) v.SetCursorShape(Qt::ArrowCursor);
    ShowPreview();
}

void CommandDialog::Leave() {
    for (PlayOnSelect* player : players_) player->Stop();
    if (!previewing_) return;
    ImageView& v = view();
    v.StopAnimation();
    v.Close();
    v.SetMode(ViewMode::None);
}

void CommandDialog::ShowPreview() {
    if (image_ && view().IsOpen()) view().ShowOrHideComboImage(this, image_, true);
}

std::nullopt_t CommandDialog::Refuse(const QString& text) {
    if (context_.services) context_.services->ShowMessage(this, Message{.text = text, .icon = MessageIcon::Warning});
    return std::nullopt;
}

void CommandDialog::NeedList(std::string_view fileName, ReadStatus status, bool missingStops) {
    if (!opened_) return;
    // Told before the dialog is shown: over the window that asked for it.
    QWidget* owner = parentWidget();
    if (ReportUnreadable(context_, owner, fileName, status)) {
        opened_ = false;
    } else if (status == ReadStatus::Missing && missingStops) {
        if (context_.services)
            context_.services->ShowMessage(
                owner, Message{.text = tr("%1 がありません").arg(FromCp932(fileName)), .icon = MessageIcon::Warning});
        opened_ = false;
    }
}

QHBoxLayout* CommandDialog::AddLine() {
    auto* line = new QHBoxLayout();
    body_->addLayout(line);
    return line;
}

QGroupBox* CommandDialog::AddBox(const QString& title, QBoxLayout* into, int stretch, bool column) {
    auto* box = new QGroupBox(title, this);
    new QBoxLayout(column ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, box);
    (into ? into : body_)->addWidget(box, stretch);
    return box;
}

CommandDialog::~CommandDialog() = default;

RecordNames& CommandDialog::names() {
    if (!names_) names_ = InterfaceRecordNames(context_.project);
    return *names_;
}

QBoxLayout* CommandDialog::Row(QGroupBox* box) { return static_cast<QBoxLayout*>(box->layout()); }

QComboBox* CommandDialog::AddChoice(const QString& title, int minimumChars, const QStringList& texts,
                                    QBoxLayout* into) {
    QGroupBox* box = AddBox(title, into);
    auto* choice = new QComboBox(box);
    if (minimumChars > 0) {
        choice->setMinimumContentsLength(minimumChars);
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    choice->addItems(texts);
    choice->setCurrentIndex(-1);
    Row(box)->addWidget(choice, 1);
    AddComboFilter(choice, title);
    return choice;
}

QComboBox* CommandDialog::AddImageChoice(const QString& title, int minimumChars) {
    image_ = AddChoice(title, minimumChars);
    FillImageFileCombo(image_, context_.project);
    connect(image_, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
    return image_;
}

QCheckBox* CommandDialog::AddPreviewSwitch(QComboBox* choice, const QString& label, bool checked) {
    auto* box = static_cast<QGroupBox*>(choice->parentWidget());
    auto* check = new QCheckBox(label, box);
    DiscardGuard::IgnoreChangesOf(check);  // a preview: nothing saved
    check->setChecked(checked);
    Row(box)->addWidget(check);
    connect(choice, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
    connect(check, &QCheckBox::toggled, this, [this] { ShowPreview(); });
    return check;
}

CommandDialog::AudioChoice CommandDialog::AddAudioChoice(const QString& title, AudioList list) {
    AudioChoice audio{};
    audio.choice = AddChoice(title, 24);
    audio.play = AddPreviewSwitch(audio.choice, tr("再生"), false);
    audio.read = LoadAudioListIntoCombo(audio.choice, context_.project, list, true);
    if (ListFilter* filter = ListFilter::Of(audio.choice)) filter->SetNumberOf([](int row) { return row - 1; });
    audio.player = new PlayOnSelect(audio.choice, audio.play, context_,
                                    list == AudioList::Bgm ? AudioKind::Bgm : AudioKind::Sound);
    audio.player->Reset();
    players_.push_back(audio.player);
    return audio;
}

NumberSpin* CommandDialog::AddNumber(const QString& title, int min, int max, int value, QBoxLayout* into,
                                     int stretch) {
    QGroupBox* box = AddBox(title, into, stretch);
    auto* number = new NumberSpin(min, max, value, box);
    Row(box)->addWidget(number, 1);
    return number;
}

std::pair<NumberSpin*, NumberSpin*> CommandDialog::AddPoint(const QString& title, int xLimit, int yLimit, int x,
                                                            int y) {
    QGroupBox* box = AddBox(title);
    auto* xField = new NumberSpin(-xLimit, xLimit, x, box);
    auto* yField = new NumberSpin(-yLimit, yLimit, y, box);
    QBoxLayout* row = Row(box);
    row->addWidget(new QLabel(tr("X"), box));
    row->addWidget(xField, 1);
    row->addWidget(new QLabel(tr("Y"), box));
    row->addWidget(yField, 1);
    return {xField, yField};
}

QButtonGroup* CommandDialog::AddRadios(const QString& title, const std::vector<QString>& labels, int checked,
                                       QBoxLayout* into) {
    QGroupBox* box = AddBox(title, into);
    auto* group = new QButtonGroup(box);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto* radio = new QRadioButton(labels[i], box);
        group->addButton(radio, static_cast<int>(i));
        Row(box)->addWidget(radio);
        if (static_cast<int>(i) == checked) radio->setChecked(true);
    }
    Row(box)->addStretch(1);
    return group;
}

std::vector<QRadioButton*> CommandDialog::AddRadioColumn(const QString& title, const std::vector<QString>& labels,
                                                         QBoxLayout* into) {
    QGroupBox* box = AddBox(title, into, 0, true);
    std::vector<QRadioButton*> radios;
    for (const QString& label : labels) {
        radios.push_back(new QRadioButton(label, box));
        Row(box)->addWidget(radios.back());
    }
    Row(box)->addStretch(1);
    return radios;
}

QComboBox* CommandDialog::AddTalkText(const QString& title, const std::vector<std::string>& texts, QBoxLayout* into,
                                      int stretch) {
    QGroupBox* box = AddBox(title, into, stretch, true);
    auto* choice = new QComboBox(box);
    choice->setMinimumContentsLength(24);
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choice->setMaxVisibleItems(20);
    for (std::size_t i = 0; i < texts.size(); ++i)
        choice->addItem(QStringLiteral("%1: %2").arg(i).arg(FromCp932(TalkListLabel(texts[i]))));
    choice->setCurrentIndex(-1);
    auto* shown = new QPlainTextEdit(box);
    shown->setReadOnly(true);
    shown->setMinimumHeight(60);
    shown->setMaximumHeight(90);
    Row(box)->addWidget(choice);
    Row(box)->addWidget(shown);
    connect(choice, &QComboBox::currentIndexChanged, shown, [&texts, shown](int row) {
        shown->setPlainText(row >= 0 ? FromCp932(texts[static_cast<std::size_t>(row)]) : QString());
    });
    return choice;
}

GroupChooser* CommandDialog::AddGroup(const QString& title, std::vector<std::string> explanations) {
    auto* group = new GroupChooser(title, std::move(explanations), this);
    body_->addWidget(group);
    return group;
}

void CommandDialog::AddButtons() {
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    body_->addLayout(buttons);
}

QStringList Cp932Texts(const std::vector<std::string>& texts) {
    QStringList shown;
    for (const std::string& text : texts) shown << FromCp932(text);
    return shown;
}

QString LineTooLongText(std::size_t bytes, const QString& whatToShorten) {
    return QObject::tr("ｺﾏﾝﾄﾞが長すぎます（%1ﾊﾞｲﾄ、1行は%2ﾊﾞｲﾄまで）。\n%3を短くしてください")
        .arg(bytes)
        .arg(kEventCommandStoredBytes)
        .arg(whatToShorten);
}

}  // namespace lw
