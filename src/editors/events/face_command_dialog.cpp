#include "editors/events/face_command_dialog.h"

#include "core/media/image_lists.h"

#include <QComboBox>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/events/event_commands.h"
#include "core/media/talk_markup.h"
#include "previews/image_view.h"

namespace lw {

FaceCommandDialog::FaceCommandDialog(EditorContext& context, CommandDialogMode mode, QWidget* parent)
    : CommandDialog(context, mode == CommandDialogMode::Talk ? tr("会話ｺﾏﾝﾄﾞ(顔画像)") : tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(会話の顔画像)"),
                    parent),
      mode_(mode) {
    LoadFaceList(context_.project, faces_);
    QStringList faces{tr("なし")};
    for (const FaceEntry& f : faces_) faces << FromCp932(FaceComboText(f));
    PreviewIn(ViewMode::Animation);
    face_ = AddChoice(tr("顔画像"), 28, faces);
    AddButtons();
    connect(face_, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
}

FaceCommandDialog::~FaceCommandDialog() = default;

int FaceCommandDialog::chosenFace() const { return face_->currentIndex() < 0 ? -1 : face_->currentIndex() - 1; }

void FaceCommandDialog::ShowPreview() {
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

std::optional<std::string> FaceCommandDialog::Build() {
    return mode_ == CommandDialogMode::Talk ? TalkFaceCommand(chosenFace()) : BuildTalkFace(chosenFace());
}

std::optional<std::string> RunFaceCommand(EditorContext& context, CommandDialogMode mode, QWidget* parent) {
    return RunCommandDialog<FaceCommandDialog>(context, mode, parent);
}

}  // namespace lw
