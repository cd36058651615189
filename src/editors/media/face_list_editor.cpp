#include "editors/media/face_list_editor.h"

#include <QTreeWidget>

#include "app/editor_context.h"
#include "app/services.h"
#include "previews/image_view.h"
#include "widgets/face_dialog.h"

namespace lw {

EffectAnimation FaceAnimation(const FaceEntry& face) {
    EffectAnimation a;
    a.imageFile = face.fileName;
    a.areaLeft = face.areaLeft;
    a.areaTop = face.areaTop;
    a.areaWidth = face.areaWidth;
    a.areaHeight = face.areaHeight;
    a.cellWidth = face.areaWidth;
    a.cellHeight = face.areaHeight;
    a.drawMode = face.drawMode;
    a.colorKey = face.colorKey;
    a.keyRed = face.keyRed;
    a.keyGreen = face.keyGreen;
    a.keyBlue = face.keyBlue;
    return a;
}

FaceListEditor::FaceListEditor(EditorContext& context, QWidget* parent)
    : PreviewListEditor(context, {tr("顔画像ﾘｽﾄ"), RefTarget::Face, {280, 260}, ViewMode::Animation},
                        {kFaceFile, LoadFaceList, SaveFaceList, FaceListBytes},
                        [](const FaceEntry& face) { return QStringList{FromCp932(FaceListText(face))}; }, parent) {
    OnEditStep([this](FaceEntry& face, bool) {
        return RunStep([&] { return FaceDialog(context_, FaceFieldsOf(face), this).exec() == QDialog::Accepted; });
    });
    Load();
}

void FaceListEditor::ShowSelection() {
    ImageView& v = view();
    const FaceEntry* selected = selectedRecord();
    v.state().animation = selected ? FaceAnimation(*selected) : EffectAnimation{};
    if (!v.IsOpen()) return;
    if (selected && showChecked()) {
        v.ShowAnimationCell(this, v.state().animation.imageFile);
        v.SetCaption(FromCp932(v.state().animation.imageFile));
    } else {
        v.Hide();
    }
    panel()->view()->setFocus();
}

int RunFaceListEditor(EditorContext& context, QWidget* parent) { return RunPreviewList<FaceListEditor>(context, parent); }

}  // namespace lw
