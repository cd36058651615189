#include "editors/events/face_command_dialog.h"

#include "core/media/image_lists.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/media/talk_markup.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"

namespace lw {

FaceCommandDialog::FaceCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent)
    : PreviewDialog(context, parent), mode_(mode) {
    setWindowTitle(mode == CommandDialogMode::Talk ? tr("会話ｺﾏﾝﾄﾞ(顔画像)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話の顔画像)"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("顔画像"), this);
    auto* row = new QHBoxLayout(group);
    face_ = new QComboBox(group);
    face_->setMinimumContentsLength(28);
    face_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row->addWidget(face_, 1);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    LoadFaceList(context_.project, faces_);
    face_->addItem(tr("なし"));
    for (const FaceEntry& f : faces_) face_->addItem(FromCp932(FaceComboText(f)));
    face_->setCurrentIndex(-1);
    connect(face_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenFace(); });
}

FaceCommandDialog::~FaceCommandDialog() = default;

int FaceCommandDialog::chosenFace() const { return face_->currentIndex() < 0 ? -1 : face_->currentIndex() - 1; }

void FaceCommandDialog::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::Animation, this);
    ShowChosenFace();
}

void FaceCommandDialog::ShowChosenFace() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    const int face = chosenFace();
    if (face < 0 || face >= static_cast<int>(faces_.size())) {
        v.Hide();
        return;
    }
    // The face as a one-cell animation: the preview draws exactly its rectangle in its mode.
    const FaceEntry& f = faces_[static_cast<std::size_t>(face)];
    EffectAnimation a;
    a.imageFile = f.fileName;
    a.areaLeft = f.areaLeft;
    a.areaTop = f.areaTop;
    a.areaWidth = a.cellWidth = f.areaWidth;
    a.areaHeight = a.cellHeight = f.areaHeight;
    a.drawMode = f.drawMode;
    a.colorKey = f.colorKey;
    a.keyRed = f.keyRed;
    a.keyGreen = f.keyGreen;
    a.keyBlue = f.keyBlue;
    v.state().animation = a;
    v.state().currentFrame = 0;
    v.ShowAnimationCell(this, f.fileName);
}

void FaceCommandDialog::Leave() {
    faces_.clear();
    view().Close();
    view().SetMode(ViewMode::None);
}

void FaceCommandDialog::accept() {
    line_ = mode_ == CommandDialogMode::Talk ? TalkFaceCommand(chosenFace()) : BuildTalkFace(chosenFace());
    Leave();
    done(QDialog::Accepted);
}

void FaceCommandDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

std::optional<std::string> RunFaceCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent) {
    FaceCommandDialog dialog(context, mode, parent);
    return RunForLine(dialog);
}

}  // namespace lw
