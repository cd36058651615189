#include "editors/scenes/npc_editor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/load_progress.h"
#include "app/services.h"
#include "editors/rules/placed_list_save_ui.h"
#include "editors/scenes/placement_dialogs.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/face_dialog.h"
#include "widgets/property_editor.h"
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
    auto* layout = new QVBoxLayout(this);
    properties_ = new PropertyEditor(context_, NpcSettingsRows(working_), this);
    layout->addWidget(properties_, 1);
    auto* buttons = new QHBoxLayout();
    std::tie(next_button_, cancel_) = AddDialogButtons(this, buttons, tr("次へ"));
    layout->addLayout(buttons);
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

NpcListEditor::NpcListEditor(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {
    setWindowTitle(tr("NPC設定1"));
    ReopenPreviewOnActivation();
    LoadSceneCatalogShown(context_.services, parentWidget(), context_.project, catalog_);
    std::vector<Npc> npcs;
    loadStatus_ = LoadNpcList(context_.project, npcs);
    AssignNpcScenes(npcs, catalog_);

    auto* layout = new QVBoxLayout(this);
    panel_ = new ListEditorPanel({.headers = {}, .addLabel = tr("追加..."), .editButton = true}, this);
    panel_->AddUsagesButton(context.project, RefTarget::Npc);
    panel_->view()->setMinimumSize(240, 260);
    layout->addWidget(panel_, 1);
    show_ = new QCheckBox(tr("表示"), this);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    layout->addWidget(show_);
    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    list_ = std::make_unique<ListEditor<Npc>>(panel_, [](const Npc& n) { return QStringList{FromCp932(n.displayName)}; });
    runChain = [this](Npc& npc, int index) { return DefaultChain(npc, index); };
    list_->OnAdd([this]() -> std::optional<Npc> {
        Npc npc = NewNpc();
        if (!runChain || !runChain(npc, -1)) return std::nullopt;
        return npc;
    });
    list_->OnEdit([this](Npc& npc) { return runChain && runChain(npc, list_->selected()); });
    list_->OnSelectionChanged([this](int) { ShowPreview(); });
    list_->OnChanged([this] { ShowPreview(); });
    list_->SetRecords(std::move(npcs));
    connect(show_, &QCheckBox::toggled, this, [this] { ShowPreview(); });
}

NpcListEditor::~NpcListEditor() { FreeSceneCatalog(catalog_); }

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
    const int row = list_->selected();
    const bool show = show_->isChecked() && row >= 0;
    ShowNpcWalking(v, this, show ? list_->records()[static_cast<std::size_t>(row)] : Npc{}, show);
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
        return ownerForm(catalog_, scene, group, p);
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
    if (context_.services) {
        const std::vector<Npc>& npcs = list_->records();
        const std::vector<SceneListRow> rows = NpcSceneRows(npcs);
        report_ = SaveListWithScenes(context_, this, kNpcFile, [&](TagWriter& w) { WriteNpcList(w, npcs); },
                                     SceneList::Npc, rows, catalog_);
        // Nothing (or not everything) was written: the editor stays open with the author's work.
        if (report_.outcome != PlacedListOutcome::Saved) return;
    }
    Leave();
    FreeSceneCatalog(catalog_);
    LoadNpcTable(context_.project, context_.npcs);
    done(QDialog::Accepted);
}

void NpcListEditor::reject() {
    Leave();
    FreeSceneCatalog(catalog_);
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
