#include "editors/media/talk_command_dialogs.h"
#include "audio/play_selection.h"
#include "app/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/talk_markup.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/audio_glue.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/play_on_select.h"

namespace lw {

namespace {


QComboBox* NewFileCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setMinimumContentsLength(24);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

}  // namespace

// ---- Sound -------------------------------------------------------------------------------------

SoundCommandDialog::SoundCommandDialog(EditorContext& context, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("会話ｺﾏﾝﾄﾞ(効果音再生)"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("効果音"), this);
    auto* row = new QHBoxLayout(group);
    sound_ = NewFileCombo(group);
    play_ = new QCheckBox(tr("再生"), group);
    DiscardGuard::IgnoreChangesOf(play_);  // a preview: nothing saved
    row->addWidget(sound_, 1);
    row->addWidget(play_);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    LoadAudioListIntoCombo(sound_, context.project, AudioList::Sound);
    {
        QSignalBlocker block(sound_);
        sound_->insertItem(0, NoneLabel(), QByteArray(kNoneName.data(), static_cast<qsizetype>(kNoneName.size())));
        sound_->setCurrentIndex(0);
    }
    playOnSelect_ = new PlayOnSelect(sound_, play_, context, AudioKind::Sound);
    playOnSelect_->Reset();
}

void SoundCommandDialog::accept() {
    line_ = TalkSoundCommand(sound_->currentIndex() < 0 ? -1 : sound_->currentIndex() - 1);
    playOnSelect_->Stop();
    done(QDialog::Accepted);
}

void SoundCommandDialog::reject() {
    playOnSelect_->Stop();
    done(QDialog::Rejected);
}

// ---- Positions ---------------------------------------------------------------------------------

PositionCommandDialog::PositionCommandDialog(EditorContext& context, Target target, QWidget* parent)
    : PreviewDialog(context, parent), target_(target) {
    setWindowTitle(target == Target::Face ? tr("会話ｺﾏﾝﾄﾞ(顔画像位置)") : tr("会話ｺﾏﾝﾄﾞ(文字位置)"));
    auto* layout = new QVBoxLayout(this);
    auto* pictureBox = new QGroupBox(tr("参照画像"), this);
    auto* pictureRow = new QHBoxLayout(pictureBox);
    image_ = NewFileCombo(pictureBox);
    pictureRow->addWidget(image_, 1);
    layout->addWidget(pictureBox);

    auto* positionBox = new QGroupBox(tr("位置"), this);
    auto* grid = new QHBoxLayout(positionBox);
    x_ = new NumberSpin(0, kTalkScreenWidth, 0, positionBox);
    y_ = new NumberSpin(0, kTalkScreenHeight, 0, positionBox);
    grid->addWidget(new QLabel(tr("X"), positionBox));
    grid->addWidget(x_, 1);
    grid->addWidget(new QLabel(tr("Y"), positionBox));
    grid->addWidget(y_, 1);
    layout->addWidget(positionBox);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    FillImageFileCombo(image_, context_.project);
    connect(image_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenImage(); });
    connect(&view(), &ImageView::pointPicked, this, [this](QWidget* owner, QPoint point) {
        if (owner != this) return;
        x_->setValue(point.x());
        y_->setValue(point.y());
    });
}

void PositionCommandDialog::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::TalkPoint, this);
    ShowChosenImage();
}

void PositionCommandDialog::ShowChosenImage() {
    if (!view().IsOpen()) return;
    view().ShowOrHideComboImage(this, image_, true);
}

void PositionCommandDialog::Leave() {
    view().Close();
    view().SetMode(ViewMode::None);
}

void PositionCommandDialog::accept() {
    const int x = x_->TakenValue();
    const int y = y_->TakenValue();
    line_ = target_ == Target::Face ? TalkFacePositionCommand(x, y) : TalkTextPositionCommand(x, y);
    Leave();
    done(QDialog::Accepted);
}

void PositionCommandDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

// ---- Background picture ------------------------------------------------------------------------

BackgroundCommandDialog::BackgroundCommandDialog(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {
    setWindowTitle(tr("会話ｺﾏﾝﾄﾞ(背景画像)"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("背景画像"), this);
    auto* row = new QHBoxLayout(group);
    image_ = NewFileCombo(group);
    row->addWidget(image_, 1);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    FillImageFileCombo(image_, context_.project);
    connect(image_, &QComboBox::currentIndexChanged, this, [this] {
        if (view().IsOpen()) view().ShowOrHideComboImage(this, image_, true);
    });
}

void BackgroundCommandDialog::OpenPreview() {
    view().Open(this);
    view().SetMode(ViewMode::None);
    view().ShowOrHideComboImage(this, image_, true);
}

void BackgroundCommandDialog::Leave() {
    view().Close();
    view().SetMode(ViewMode::None);
}

void BackgroundCommandDialog::accept() {
    line_ = TalkBackgroundCommand(ChosenImageFile(image_));
    Leave();
    done(QDialog::Accepted);
}

void BackgroundCommandDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

// ---- Animation ---------------------------------------------------------------------------------

AnimationCommandDialog::AnimationCommandDialog(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {
    setWindowTitle(tr("会話ｺﾏﾝﾄﾞ(ｱﾆﾒ表示)"));
    auto* layout = new QVBoxLayout(this);

    auto* numberBox = new QGroupBox(tr("ｱﾆﾒ番号"), this);
    auto* numberRow = new QHBoxLayout(numberBox);
    animation_ = NewFileCombo(numberBox);
    show_ = new QCheckBox(tr("画像表示"), numberBox);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    numberRow->addWidget(animation_, 1);
    numberRow->addWidget(show_);
    layout->addWidget(numberBox);

    auto* idBox = new QGroupBox(tr("ｱﾆﾒ識別番号"), this);
    auto* idRow = new QHBoxLayout(idBox);
    id_ = new NumberSpin(0, kTalkAnimationIdMax, 0, idBox);
    idRow->addWidget(id_);
    idRow->addStretch(1);
    layout->addWidget(idBox);

    auto* radios = new QHBoxLayout();
    auto* kindBox = new QGroupBox(tr("ｱﾆﾒ種別"), this);
    auto* kindColumn = new QVBoxLayout(kindBox);
    for (int i = 0; i < 3; ++i) {
        kinds_[i] = new QRadioButton(CoreText(TalkAnimationKindLabel(static_cast<TalkAnimationKind>(i))), kindBox);
        kindColumn->addWidget(kinds_[i]);
    }
    kinds_[0]->setChecked(true);
    auto* textBox = new QGroupBox(tr("ｱﾆﾒ中の文字表示"), this);
    auto* textColumn = new QVBoxLayout(textBox);
    for (int i = 0; i < 2; ++i) {
        texts_[i] = new QRadioButton(CoreText(TalkWhileAnimatingLabel(static_cast<TalkWhileAnimating>(i))), textBox);
        textColumn->addWidget(texts_[i]);
    }
    texts_[0]->setChecked(true);
    textColumn->addStretch(1);
    radios->addWidget(kindBox);
    radios->addWidget(textBox);
    layout->addLayout(radios);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    LoadEffectTable(context_.project, context_.effects);
    AddEffectComboItems(animation_, context_.effects, -1);
    show_->setChecked(true);
    connect(animation_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenAnimation(); });
    connect(show_, &QCheckBox::toggled, this, [this] { ShowChosenAnimation(); });
}

void AnimationCommandDialog::OpenPreview() {
    view().Open(this);
    view().SetMode(ViewMode::Animation, this);
    ShowChosenAnimation();
}

void AnimationCommandDialog::ShowChosenAnimation() {
    ImageView& v = view();
    const int row = animation_->currentIndex();
    const bool chosen = row >= 0 && row < context_.effects.count();
    v.state().animation = chosen ? context_.effects.records[static_cast<std::size_t>(row)] : EffectAnimation{};
    if (!v.IsOpen()) return;
    v.RestartAnimation();
    if (chosen && show_->isChecked()) {
        v.ShowAnimationCell(this, v.state().animation.imageFile);
    } else {
        v.Hide();
    }
}

void AnimationCommandDialog::Leave() {
    view().Close();
    view().SetMode(ViewMode::None);
    ReleaseEffectTable(context_.effects);
}

void AnimationCommandDialog::accept() {
    const int effect = animation_->currentIndex();
    if (effect < 0) {
        if (context_.services) {
            Message m;
            m.text = tr("ｱﾆﾒ番号を選択してください");
            m.icon = MessageIcon::Warning;
            context_.services->ShowMessage(this, m);
        }
        return;
    }
    TalkAnimationCommand a;
    a.id = id_->TakenValue();
    a.effect = effect;
    for (int i = 0; i < 3; ++i)
        if (kinds_[i]->isChecked()) a.kind = static_cast<TalkAnimationKind>(i);
    a.text = texts_[1]->isChecked() ? TalkWhileAnimating::Stop : TalkWhileAnimating::Continue;
    line_ = TalkShowAnimationCommand(a);
    Leave();
    done(QDialog::Accepted);
}

void AnimationCommandDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

}  // namespace lw
