#include "editors/scenes/npc_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QLabel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/world/npc_editing.h"
#include "core/world/npc_list.h"
#include "core/world/placed_lists.h"
#include "editors/scenes/placement_dialogs.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/discard_guard.h"
#include "widgets/face_dialog.h"
#include "widgets/field_grid.h"
#include "widgets/number_spin.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/property_editor.h"
#include "widgets/property_dialog.h"
#include "widgets/placed_list_editor.h"
#include "widgets/preview_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

FaceFields SpriteFieldsOf(Npc& n) {
    return FaceFields{n.spriteFile, n.regionX,  n.regionY, n.regionWidth, n.regionHeight,
                      n.drawMode,   n.colourKey, n.keyRed, n.keyGreen,   n.keyBlue};
}

// Shows `npc` walking in the preview (mode 17) in the row of `facing`, or hides the preview when
// `show` is false or the sprite does not load.
void ShowNpcWalking(ImageView& v, QWidget* dialog, const Npc& npc, bool show, int facing) {
    if (!v.IsOpen()) return;
    v.StopAnimation();
    if (!show || npc.spriteFile.empty()) {
        v.Hide();
        return;
    }
    v.state().animation = NpcWalkAnimation(npc, facing);
    v.RestartAnimation();
    v.ShowAnimationCell(dialog, npc.spriteFile);
    v.SetCaption(FromCp932(npc.displayName));
}
void ShowNpcWalking(ImageView& v, QWidget* dialog, const Npc& npc, bool show) {
    ShowNpcWalking(v, dialog, npc, show, npc.facing);
}

void CloseWalkingPreview(ImageView& v) {
    v.StopAnimation();
    v.Close();
    v.SetMode(ViewMode::None);
}

// The step after "NPC設定2": the placement and the owner form, given the NPC and its position in
// the list (-1 for a new one); true when the owner form ended with OK.
using NpcStep = std::function<bool(Npc& npc, int index, QWidget* parent)>;

// The step after the sprite, given the NPC: true when the rest of the chain ended with OK.
using NpcNextStep = std::function<bool(Npc& npc, QWidget* parent)>;

// The NPC steps that show the sprite walking in the preview: each works on a copy of the NPC, and
// "次へ" runs the step after it.
class NpcPreviewStep : public PreviewStepDialog {
protected:
    NpcPreviewStep(EditorContext& context, Npc& npc, QWidget* parent)
        : PreviewStepDialog(context, parent), npc_(npc), working_(npc) {}
    virtual void ShowWalking() = 0;
    void OpenPreview() override {
        OpenView(ViewMode::NpcAnimation);
        ShowWalking();
    }
    void Leave() override { CloseWalkingPreview(view()); }
    // After the next step: its OK ends this step with 1; back from its Cancel, this step goes on
    // with its own preview.
    void AfterNext(bool ok) {
        if (ok)
            done(QDialog::Accepted);
        else
            OpenPreview();
    }

    Npc& npc_;
    Npc working_;
};

// "ｱﾆﾒﾁｯﾌﾟの順番": which column of the 3 x 4 sheet each of the four walking steps shows, and which
// row each facing walks in, with the sprite walking in the preview in a facing the author picks
// (only for the preview). "初期値" gives back the order a new NPC starts with.
class NpcWalkStep : public NpcPreviewStep {
    Q_OBJECT
public:
    NpcWalkStep(EditorContext& context, Npc& npc, NpcNextStep next, QWidget* parent)
        : NpcPreviewStep(context, npc, parent), next_(std::move(next)) {
        setWindowTitle(tr("ｱﾆﾒﾁｯﾌﾟの順番"));
        auto* layout = new QVBoxLayout(this);
        const auto addSpins = [&](const QString& title, std::array<QSpinBox*, 4>& spins, const QStringList& labels,
                                  int maximum, std::array<int, 4>& values) {
            auto* box = new QGroupBox(title, this);
            auto* grid = new QGridLayout(box);
            for (std::size_t i = 0; i < spins.size(); ++i) {
                auto* spin = new NumberSpin(0, maximum, 0, box);
                spin->TakeTypingAtOnce();
                spins[i] = spin;
                connect(spin, &QSpinBox::valueChanged, this, [this, &values, i](int value) {
                    values[i] = value;
                    ShowWalking();
                });
            }
            AddLabelledFields(grid, 2, {{labels[0], spins[0]}, {labels[1], spins[1]}, {labels[2], spins[2]},
                                        {labels[3], spins[3]}});
            layout->addWidget(box);
        };
        addSpins(tr("歩く順番 (ｼｰﾄの列 0 ～ 2)"), steps_, {tr("1歩目の列"), tr("2歩目の列"), tr("3歩目の列"), tr("4歩目の列")},
                 kWalkSheetColumns - 1, working_.frameOrder);
        addSpins(tr("向きごとの行 (ｼｰﾄの行 0 ～ 3)"), rows_,
                 {tr("下向きの行"), tr("左向きの行"), tr("右向きの行"), tr("上向きの行")}, kWalkSheetRows - 1,
                 working_.facingRow);

        auto* previewRow = new QHBoxLayout;
        auto* facingLabel = new QLabel(tr("ﾌﾟﾚﾋﾞｭｰの向き"), this);
        facing_ = new QComboBox(this);
        facing_->addItems({tr("下"), tr("左"), tr("右"), tr("上")});
        facing_->setCurrentIndex(std::clamp(working_.facing, 0, 3));
        facingLabel->setBuddy(facing_);
        DiscardGuard::IgnoreChangesOf(facing_);
        show_ = new QCheckBox(tr("表示"), this);
        show_->setChecked(true);
        DiscardGuard::IgnoreChangesOf(show_);
        previewRow->addWidget(facingLabel);
        previewRow->addWidget(facing_);
        previewRow->addWidget(show_);
        previewRow->addStretch();
        layout->addLayout(previewRow);
        connect(facing_, &QComboBox::currentIndexChanged, this, [this] { ShowWalking(); });
        connect(show_, &QCheckBox::toggled, this, [this] { ShowWalking(); });

        auto* buttons = new QHBoxLayout;
        defaults_ = new QPushButton(tr("初期値"), this);
        defaults_->setToolTip(tr("新しいNPCの順番 (1 2 1 0、行 0 1 2 3) に戻します"));
        connect(defaults_, &QPushButton::clicked, this, [this] {
            working_.frameOrder = kDefaultWalkOrder;
            working_.facingRow = kDefaultFacingRows;
            ShowValues();
            ShowWalking();
        });
        buttons->addWidget(defaults_);
        AddButtons(buttons, tr("次へ"));
        layout->addLayout(buttons);
        ShowValues();
    }

    void accept() override {
        for (QSpinBox* spin : steps_) spin->interpretText();
        for (QSpinBox* spin : rows_) spin->interpretText();
        Leave();
        npc_.frameOrder = working_.frameOrder;
        npc_.facingRow = working_.facingRow;
        AfterNext(!next_ || next_(npc_, this));
    }

private:
    void ShowWalking() override {
        ShowNpcWalking(view(), this, working_, show_ != nullptr && show_->isChecked(),
                       facing_ != nullptr ? facing_->currentIndex() : working_.facing);
    }
    void ShowValues() {
        const Npc values = working_;  // setting a spin stores into working_
        for (std::size_t i = 0; i < 4; ++i) {
            steps_[i]->setValue(values.frameOrder[i]);
            rows_[i]->setValue(values.facingRow[i]);
        }
        // A file may hold numbers outside the sheet; they stay as read until the author changes them.
        working_.frameOrder = values.frameOrder;
        working_.facingRow = values.facingRow;
    }

    NpcNextStep next_;
    std::array<QSpinBox*, 4> steps_{};
    std::array<QSpinBox*, 4> rows_{};
    QComboBox* facing_;
    QCheckBox* show_;
    QPushButton* defaults_;
};

// "NPC設定2": the NPC's behaviour in the property editor, with the sprite walking in the preview
// (its walking order, the row of its facing, its speed).
class NpcSettingsDialog : public NpcPreviewStep {
    Q_OBJECT
public:
    NpcSettingsDialog(EditorContext& context, Npc& npc, int index, NpcStep next, QWidget* parent)
        : NpcPreviewStep(context, npc, parent), index_(index), next_(std::move(next)) {
        setWindowTitle(tr("NPC設定2"));
        const PropertyDialogParts parts =
            AddPropertyEditor(this, context_, NpcSettingsRows(working_), {.confirmLabel = tr("次へ")});
        properties_ = parts.properties;
        ok_ = parts.confirm;
        cancel_ = parts.cancel;
        // The preview follows every value stored.
        connect(properties_, &PropertyEditor::valueStored, this, [this] { ShowWalking(); });
    }

    // "次へ": stores the fields and runs the next step; its OK ends this dialog with 1.
    void accept() override {
        properties_->Commit();
        Leave();
        npc_ = working_;
        const bool ok = !next_ || next_(npc_, index_, this);
        if (!ok) working_ = npc_;  // back from the placement, with what it kept
        AfterNext(ok);
    }

private:
    void ShowWalking() override { ShowNpcWalking(view(), this, working_, true); }

    int index_;
    NpcStep next_;
    PropertyEditor* properties_;
};

// ---------------------------------------------------------------------------------------------
// "NPC設定1"

using OwnerForm = std::function<std::optional<int>(SceneCatalog& catalog, int sceneNumber, int currentGroup,
                                                   QWidget* parent)>;

class NpcListEditor : public PlacedListEditor<Npc> {
    Q_OBJECT
public:
    // `ownerForm` is the chain's last step, the owner form on the editor's catalog: the NPC's new
    // group (-1 none) on OK, nullopt on Cancel.
    NpcListEditor(EditorContext& context, OwnerForm ownerForm, QWidget* parent)
        : PlacedListEditor(context, parent, tr("NPC設定1"),
                           {.target = RefTarget::Npc, .minimumWidth = 240, .minimumHeight = 260, .okNeedsRows = false,
                            .showBox = true},
                           {kNpcFile, LoadNpcList, AssignNpcScenes, WriteNpcList, SceneList::Npc},
                           // "村長 — 始まりの村 (3, 4)": the name, then where the NPC stands.
                           [this](const Npc& n) {
                               return QStringList{FromCp932(n.displayName) + QStringLiteral(" \u2014 ") +
                                                  QString::fromStdString(list_.names().PlaceText(n.scene, n.x, n.y))};
                           },
                           [](const Npc& n) { return SceneListRow{n.scene, n.x, n.y, n.facing, n.group}; }),
          ownerForm_(std::move(ownerForm)) {
        ReopenPreviewOnActivation();
        list_.OnChain(NewNpc, [this](Npc& npc, int index) { return RunChain(npc, index); });
        list_.list().OnSelectionChanged([this](int) { ShowPreview(); });
        list_.list().OnChanged([this] { ShowPreview(); });
        Load(-1);
        connect(showBox(), &QCheckBox::toggled, this, [this] { ShowPreview(); });
    }

private:
    void OpenPreview() override {
        OpenView(ViewMode::NpcAnimation);
        ShowPreview();
    }

    void ShowPreview() {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        v.SetMode(ViewMode::NpcAnimation, this);
        const int row = list_.list().selected();
        const bool show = showBox()->isChecked() && row >= 0;
        ShowNpcWalking(v, this, show ? list_.records()[static_cast<std::size_t>(row)] : Npc{}, show);
    }

    void Leave() override {
        CloseWalkingPreview(view());
        PlacedListEditor::Leave();
    }

    // The map view's NPC markers follow the file as it is now.
    void Saved() override { LoadNpcTable(context_.project, context_.npcs); }

    // Runs the chain on `npc` ("追加..." and "編集..."); true when it ended with OK.
    bool RunChain(Npc& npc, int index) {
        view().Close();
        FaceDialog sprite(context_, SpriteFieldsOf(npc), this);
        sprite.SetNext([&](FaceDialog& spriteDialog) {
            NpcWalkStep walking(
                context_, npc,
                [&](Npc& n, QWidget* walkDialog) {
                    NpcSettingsDialog settings(
                        context_, n, index, [this](Npc& m, int i, QWidget* p) { return PlaceAndChooseGroup(m, i, p); },
                        walkDialog);
                    return settings.exec() == QDialog::Accepted;
                },
                &spriteDialog);
            return walking.exec() == QDialog::Accepted;
        });
        return sprite.exec() == QDialog::Accepted;
    }

    bool PlaceAndChooseGroup(Npc& npc, int index, QWidget* parent) {
        PlacedSprite sprite =
            SheetSprite(context_.project, npc.spriteFile, npc.regionX, npc.regionY, npc.regionWidth, npc.regionHeight,
                        DrawSpec{npc.drawMode, npc.colourKey, Rgb{npc.keyRed, npc.keyGreen, npc.keyBlue}});
        sprite.position = QPoint(npc.x, npc.y);
        sprite.direction = npc.facing;
        sprite.offset = npc.regionHeight / 4 - 32;
        sprite.rangeCentre = QPoint(npc.rangeCentreX, npc.rangeCentreY);
        sprite.rangeX = npc.rangeX;
        sprite.rangeY = npc.rangeY;
        NpcPlacement placement{npc.scene, npc.x, npc.y, npc.rangeCentreX, npc.rangeCentreY, npc.rangeX, npc.rangeY,
                               npc.group};
        const OwnerStep owner = [this](int scene, int group, QWidget* p) -> std::optional<int> {
            if (!ownerForm_) return std::nullopt;
            return ownerForm_(list_.catalog(), scene, group, p);
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

    OwnerForm ownerForm_;
};

}  // namespace

int RunNpcListEditor(EditorContext& context, QWidget* parent,
                     std::function<std::optional<int>(SceneCatalog&, int, int, QWidget*)> ownerForm) {
    NpcListEditor editor(context, std::move(ownerForm), parent);
    if (ReportUnreadable(context, parent, kNpcFile, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw

#include "npc_editor.moc"
