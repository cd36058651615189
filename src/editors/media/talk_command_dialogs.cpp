#include "editors/media/talk_command_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <tuple>

#include "app/editor_context.h"
#include "app/language.h"
#include "core/media/talk_markup.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/number_spin.h"

namespace lw {

// ---- Positions ---------------------------------------------------------------------------------

PositionCommandDialog::PositionCommandDialog(EditorContext& context, Target target, QWidget* parent)
    : CommandDialog(context, target == Target::Face ? tr("会話ｺﾏﾝﾄﾞ(顔画像位置)") : tr("会話ｺﾏﾝﾄﾞ(文字位置)"), parent),
      target_(target) {
    PreviewIn(ViewMode::TalkPoint, true);
    image_ = AddImageChoice(tr("参照画像"), 24);
    std::tie(x_, y_) = AddPoint(tr("位置"), 0, 0);
    x_->setRange(0, kTalkScreenWidth);
    y_->setRange(0, kTalkScreenHeight);
    AddButtons();
    connect(&view(), &ImageView::pointPicked, this, [this](QWidget* owner, QPoint point) {
        if (owner != this) return;
        x_->setValue(point.x());
        y_->setValue(point.y());
    });
}

std::optional<std::string> PositionCommandDialog::Build() {
    const int x = x_->TakenValue();
    const int y = y_->TakenValue();
    return target_ == Target::Face ? TalkFacePositionCommand(x, y) : TalkTextPositionCommand(x, y);
}

// ---- Background picture ------------------------------------------------------------------------

BackgroundCommandDialog::BackgroundCommandDialog(EditorContext& context, QWidget* parent)
    : CommandDialog(context, tr("会話ｺﾏﾝﾄﾞ(背景画像)"), parent) {
    PreviewIn(ViewMode::None);
    image_ = AddImageChoice(tr("背景画像"), 24);
    AddButtons();
}

std::optional<std::string> BackgroundCommandDialog::Build() { return TalkBackgroundCommand(ChosenImageFile(image_)); }

// ---- Animation ---------------------------------------------------------------------------------

AnimationCommandDialog::AnimationCommandDialog(EditorContext& context, QWidget* parent)
    : CommandDialog(context, tr("会話ｺﾏﾝﾄﾞ(ｱﾆﾒ表示)"), parent) {
    PreviewIn(ViewMode::Animation, true);
    animation_ = AddChoice(tr("ｱﾆﾒ番号"), 24);
    LoadEffectTable(context_.project, context_.effects);
    AddEffectComboItems(animation_, context_.effects, -1);
    show_ = AddPreviewSwitch(animation_, tr("画像表示"), true);
    id_ = AddNumber(tr("ｱﾆﾒ識別番号"), 0, kTalkAnimationIdMax, 0);

    QHBoxLayout* radios = AddLine();
    std::vector<QString> kinds, texts;
    for (int i = 0; i < 3; ++i) kinds.push_back(CoreText(TalkAnimationKindLabel(static_cast<TalkAnimationKind>(i))));
    for (int i = 0; i < 2; ++i) texts.push_back(CoreText(TalkWhileAnimatingLabel(static_cast<TalkWhileAnimating>(i))));
    kinds_ = AddRadioColumn(tr("ｱﾆﾒ種別"), kinds, radios);
    texts_ = AddRadioColumn(tr("ｱﾆﾒ中の文字表示"), texts, radios);
    kinds_[0]->setChecked(true);
    texts_[0]->setChecked(true);
    AddButtons();
}

void AnimationCommandDialog::ShowPreview() {
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
    CommandDialog::Leave();
    ReleaseEffectTable(context_.effects);
}

std::optional<std::string> AnimationCommandDialog::Build() {
    const int effect = animation_->currentIndex();
    if (effect < 0) return Refuse(tr("ｱﾆﾒ番号を選択してください"));
    TalkAnimationCommand a;
    a.id = id_->TakenValue();
    a.effect = effect;
    for (int i = 0; i < 3; ++i)
        if (kinds_[static_cast<std::size_t>(i)]->isChecked()) a.kind = static_cast<TalkAnimationKind>(i);
    a.text = texts_[1]->isChecked() ? TalkWhileAnimating::Stop : TalkWhileAnimating::Continue;
    return TalkShowAnimationCommand(a);
}

}  // namespace lw
