#include "editors/scenes/npc_editor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/scenes/placement_dialogs.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/face_dialog.h"
#include "widgets/property_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

FaceFields SpriteFieldsOf(Npc& n) {
    return FaceFields{n.spriteFile, n.regionX,  n.regionY, n.regionWidth, n.regionHeight,
                      n.drawMode,   n.colourKey, n.keyRed, n.keyGreen,   n.keyBlue};
}

// Shows `npc` walking in the preview (mode 17), or hides the preview when `show` is false or the
// sprite does not load.
void ShowNpcWalking(ImageView& v, QWidget* dialog, const Npc& npc, bool show) {
    if (!v.IsOpen()) return;
    v.StopAnimation();
    if (!show || npc.spriteFile.empty()) {
        v.Hide();
        return;
    }
    v.state().animation = NpcWalkAnimation(npc);
    v.RestartAnimation();
    v.ShowAnimationCell(dialog, npc.spriteFile);
    v.SetCaption(FromCp932(npc.displayName));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// "NPC設定2"

NpcSettingsDialog::NpcSettingsDialog(EditorContext& context, Npc& npc, int index, NpcStep next, QWidget* parent)
    : PreviewDialog(context, parent), npc_(npc), working_(npc), index_(index), next_(std::move(next)) {
    setWindowTitle(tr("NPC設定2"));
    const PropertyDialogParts parts =
        AddPropertyEditor(this, context_, NpcSettingsRows(working_), {.confirmLabel = tr("次へ")});
    properties_ = parts.properties;
    next_button_ = parts.confirm;
    cancel_ = parts.cancel;
    // The preview follows every value stored.
    connect(properties_, &PropertyEditor::valueStored, this, [this] { ShowWalking(); });
}

NpcSettingsDialog::~NpcSettingsDialog() = default;

void NpcSettingsDialog::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::NpcAnimation, this);
    v.SetCursorShape(Qt::ArrowCursor);
    ShowWalking();
}

void NpcSettingsDialog::ShowWalking() { ShowNpcWalking(view(), this, working_, true); }

void NpcSettingsDialog::Leave() {
    ImageView& v = view();
    v.StopAnimation();
    v.Close();
    v.SetMode(ViewMode::None);
}

void NpcSettingsDialog::accept() {
    properties_->Commit();
    Leave();
    npc_ = working_;
    if (next_ && !next_(npc_, index_, this)) {
        // Back from the placement: this step goes on with its own preview.
        working_ = npc_;
        OpenPreview();
        return;
    }
    done(QDialog::Accepted);
}

void NpcSettingsDialog::reject() {
    Leave();
    done(QDialog::Rejected);
}

// ---------------------------------------------------------------------------------------------
// "NPC設定1"

NpcListEditor::NpcListEditor(EditorContext& context, QWidget* parent)
    : PlacedListDialog(context, parent),
      list_(context, this,
            {.target = RefTarget::Npc, .minimumWidth = 240, .minimumHeight = 260, .okNeedsRows = false, .showBox = true},
            [](const Npc& n) { return QStringList{FromCp932(n.displayName)}; },
            [](const Npc& n) { return SceneListRow{n.scene, n.x, n.y, n.facing, n.group}; }) {
    frame_ = &list_;
    setWindowTitle(tr("NPC設定1"));
    ReopenPreviewOnActivation();
    runChain = [this](Npc& npc, int index) { return DefaultChain(npc, index); };
    list_.OnChain(NewNpc, [this](Npc& npc, int index) { return runChain && runChain(npc, index); });
    list_.list().OnSelectionChanged([this](int) { ShowPreview(); });
    list_.list().OnChanged([this] { ShowPreview(); });
    list_.Load(LoadNpcList, AssignNpcScenes, -1);
    connect(showBox(), &QCheckBox::toggled, this, [this] { ShowPreview(); });
}

NpcListEditor::~NpcListEditor() = default;

void NpcListEditor::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::NpcAnimation, this);
    v.SetCursorShape(Qt::ArrowCursor);
    ShowPreview();
}

void NpcListEditor::ShowPreview() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    v.SetMode(ViewMode::NpcAnimation, this);
    const int row = list_.list().selected();
    const bool show = showBox()->isChecked() && row >= 0;
    ShowNpcWalking(v, this, show ? list_.records()[static_cast<std::size_t>(row)] : Npc{}, show);
}

bool NpcListEditor::DefaultChain(Npc& npc, int index) {
    view().Close();
    FaceDialog sprite(context_, SpriteFieldsOf(npc), this);
    sprite.SetNext([&](FaceDialog& spriteDialog) {
        NpcSettingsDialog settings(
            context_, npc, index, [this](Npc& n, int i, QWidget* p) { return PlaceAndChooseGroup(n, i, p); },
            &spriteDialog);
        return settings.exec() == QDialog::Accepted;
    });
    return sprite.exec() == QDialog::Accepted;
}

bool NpcListEditor::PlaceAndChooseGroup(Npc& npc, int index, QWidget* parent) {
    PlacedSprite sprite;
    sprite.image = LoadImageFile(ImageFilePath(context_.project, npc.spriteFile));
    sprite.regionX = npc.regionX;
    sprite.regionY = npc.regionY;
    sprite.regionWidth = npc.regionWidth;
    sprite.regionHeight = npc.regionHeight;
    sprite.spec = DrawSpec{npc.drawMode, npc.colourKey, Rgb{npc.keyRed, npc.keyGreen, npc.keyBlue}};
    sprite.position = QPoint(npc.x, npc.y);
    sprite.direction = npc.facing;
    sprite.offset = npc.regionHeight / 4 - 32;
    sprite.rangeCentre = QPoint(npc.rangeCentreX, npc.rangeCentreY);
    sprite.rangeX = npc.rangeX;
    sprite.rangeY = npc.rangeY;
    NpcPlacement placement{npc.scene, npc.x, npc.y, npc.rangeCentreX, npc.rangeCentreY, npc.rangeX, npc.rangeY,
                           npc.group};
    const OwnerStep owner = [this](int scene, int group, QWidget* p) -> std::optional<int> {
        if (!ownerForm) return std::nullopt;
        return ownerForm(list_.catalog(), scene, group, p);
    };
    if (!PlaceNpc(context_, sprite, index, placement, owner, parent)) return false;
    npc.scene = placement.scene;
    npc.x = placement.x;
    npc.y = placement.y;
    npc.rangeCentreX = placement.centreX;
    npc.rangeCentreY = placement.centreY;
    npc.rangeX = placement.rangeX;
    npc.rangeY = placement.rangeY;
    npc.group = placement.group;
    return true;
}

void NpcListEditor::Leave() {
    ImageView& v = view();
    v.StopAnimation();
    v.Close();
    v.SetMode(ViewMode::None);
}

void NpcListEditor::accept() {
    if (!list_.Save(kNpcFile, WriteNpcList, SceneList::Npc)) return;
    Leave();
    list_.Release();
    LoadNpcTable(context_.project, context_.npcs);
    done(QDialog::Accepted);
}

void NpcListEditor::reject() {
    Leave();
    list_.Release();
    done(QDialog::Rejected);
}

int RunNpcListEditor(EditorContext& context, QWidget* parent,
                     std::function<std::optional<int>(SceneCatalog&, int, int, QWidget*)> ownerForm) {
    NpcListEditor editor(context, parent);
    editor.ownerForm = std::move(ownerForm);
    if (ReportUnreadable(context, parent, kNpcFile, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw
