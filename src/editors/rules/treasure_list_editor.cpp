#include "editors/rules/treasure_list_editor.h"
#include "audio/play_selection.h"
#include "app/language.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "audio/music_player.h"
#include "core/media/audio_lists.h"
#include "core/rules/treasure_list.h"
#include "core/tagfile/tag_writer.h"
#include "editors/media/effect_combo.h"
#include "editors/scenes/placement_dialogs.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/audio_glue.h"
#include "widgets/kept_value.h"
#include "widgets/play_on_select.h"
#include "widgets/read_guard.h"
#include "widgets/preview_box.h"
#include "widgets/placed_list_editor.h"
#include "widgets/preview_step_dialog.h"

namespace lw {

namespace {

// The chest as the placement shows it: the first frame of its animation.
PlacedSprite ChestSprite(const EditorContext& context, int animation) {
    if (animation < 0 || animation >= context.effects.count()) return {};
    const EffectAnimation& a = context.effects.records[static_cast<std::size_t>(animation)];
    PlacedSprite sprite = SheetSprite(context.project, a.imageFile, a.areaLeft + a.frames[0].column * a.cellWidth,
                                      a.areaTop + a.frames[0].row * a.cellHeight, a.cellWidth, a.cellHeight,
                                      DrawSpec{a.drawMode, a.colorKey, Rgb{a.keyRed, a.keyGreen, a.keyBlue}});
    sprite.offset = a.cellHeight - 32;
    return sprite;
}

// "宝箱ﾘｽﾄ2": one chest. "次へ" stores the animation, the sound and the animation kind and runs
// the placement; its success closes this dialog with success. The radio buttons store their value
// when clicked, so values the author did not touch stay as they were.
class TreasureChestDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    // `rows` are the chest list's rows as they stand, `chestIndex` the chest's row (-1 for a new
    // chest): a scene that already holds 256 other chests is refused when chosen.
    TreasureChestDialog(EditorContext& context, SceneCatalog& catalog, const TreasureChest& chest, int chestIndex,
                        std::vector<SceneListRow> rows, QWidget* parent)
        : PreviewStepDialog(context, parent), catalog_(catalog), chest_(chest), chestIndex_(chestIndex), rows_(std::move(rows)) {
        setWindowTitle(tr("宝箱ﾘｽﾄ2"));
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout();
        layout->addLayout(grid);

        grid->addWidget(new QLabel(tr("ｱﾆﾒ"), this), 0, 0);
        animation_ = new QComboBox(this);
        animation_->setMinimumWidth(200);
        grid->addWidget(animation_, 0, 1);
        show_ = NewPreviewBox(tr("表示"), this);
        grid->addWidget(show_, 1, 1);

        grid->addWidget(new QLabel(tr("効果音"), this), 2, 0);
        sound_ = new QComboBox(this);
        grid->addWidget(sound_, 2, 1);
        play_ = NewPreviewBox(tr("再生"), this);
        grid->addWidget(play_, 3, 1);

        grid->addWidget(new QLabel(tr("ｱﾆﾒの種類"), this), 4, 0);
        kind_ = new QComboBox(this);
        kind_->addItems({tr("ｱﾆﾒ無し"), tr("宝箱"), tr("繰り返し")});
        grid->addWidget(kind_, 4, 1);

        // The three flags, each a pair of radio buttons storing 1 and 0.
        struct Pair {
            QString title, one, zero;
            int TreasureChest::*field;
        };
        const Pair pairs[] = {{tr("表示状態"), tr("表示"), tr("非表示"), &TreasureChest::shown},
                              {tr("ｲﾍﾞﾝﾄ実行回数"), tr("1回"), tr("複数回"), &TreasureChest::runOnce},
                              {tr("ｲﾍﾞﾝﾄ実行済み"), tr("済み"), tr("まだ"), &TreasureChest::eventDone}};
        auto* flags = new QHBoxLayout();
        for (const Pair& p : pairs) {
            auto* box = new QGroupBox(p.title, this);
            auto* v = new QVBoxLayout(box);
            auto* group = new QButtonGroup(box);
            for (int value : {1, 0}) {
                auto* r = new QRadioButton(value == 1 ? p.one : p.zero, box);
                group->addButton(r);
                v->addWidget(r);
                r->setChecked(chest_.*p.field == value);
                int TreasureChest::*field = p.field;
                connect(r, &QRadioButton::toggled, this, [this, field, value](bool on) {
                    if (on) chest_.*field = value;
                });
            }
            flags->addWidget(box);
        }
        layout->addLayout(flags);

        auto* bottom = new QHBoxLayout();
        bottom->addStretch(1);
        AddButtons(bottom, tr("次へ"));
        layout->addLayout(bottom);

        // The lists chosen from, as they are on disk now.
        LoadEffectTable(context_.project, context_.effects);
        AddEffectComboItems(animation_, context_.effects, -1);
        LoadComboIndex(animation_, chest_.animation);
        FillAudioTableCombo(sound_, context_.project, AudioList::Sound);
        LoadComboIndex(sound_, chest_.soundEffect + 1);
        LoadComboIndex(kind_, chest_.animationKind);

        playOnSelect_ = new PlayOnSelect(sound_, play_, context_, AudioKind::Sound);
        playOnSelect_->Reset();
        connect(show_, &QCheckBox::toggled, this, [this] { RefreshPreview(); });
        connect(animation_, &QComboBox::currentIndexChanged, this, [this] { RefreshPreview(); });
    }

    const TreasureChest& record() const { return chest_; }

public slots:
    // "次へ".
    void accept() override {
        const int animation = ComboIndexValue(animation_);
        if (animation < 0) {
            Warn(context_, this, tr("ｱﾆﾒを選択してください"));
            return;
        }
        chest_.animation = animation;
        chest_.soundEffect = ComboIndexValue(sound_) - 1;
        chest_.animationKind = ComboIndexValue(kind_);
        Leave();

        const PlacedSprite sprite = ChestSprite(context_, chest_.animation);
        ChestPlacement placement{chest_.scene, chest_.x, chest_.y, chest_.group};
        const OwnerStep next = OwnerFormWhereRoom(
            context_, catalog_, EventOwner::Chest,
            [this](int scene) { return SceneHasRoomForChest(rows_, scene, chestIndex_); },
            tr("この場面には宝箱をこれ以上置けません（1つの場面に256個まで）。"));
        if (!PlaceChest(context_, sprite, chestIndex_, placement, next, this)) {
            // Back in this dialog: the preview comes back as it was.
            if (isVisible()) OpenPreview();
            return;
        }
        chest_.scene = placement.scene;
        chest_.x = placement.x;
        chest_.y = placement.y;
        chest_.group = placement.group;
        done(QDialog::Accepted);
    }

private:
    void OpenPreview() override {
        OpenView(ViewMode::Animation);
        RefreshPreview();
    }

    void RefreshPreview() {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        const int row = animation_->currentIndex();
        v.StopAnimation();
        if (!show_->isChecked() || row < 0 || row >= context_.effects.count()) {
            v.Hide();
            return;
        }
        v.state().animation = context_.effects.records[static_cast<std::size_t>(row)];
        v.RestartAnimation();
        v.ShowAnimationCell(this, v.state().animation.imageFile);
        v.SetCaption(FromCp932(EffectDisplayName(v.state().animation)));
    }

    void Leave() override {
        if (playOnSelect_) playOnSelect_->Stop();
        ImageView& v = view();
        v.StopAnimation();
        v.Close();
        v.SetMode(ViewMode::None);
    }

    SceneCatalog& catalog_;
    TreasureChest chest_;
    int chestIndex_;
    std::vector<SceneListRow> rows_;
    QComboBox* animation_;
    QComboBox* sound_;
    QComboBox* kind_;
    QCheckBox* show_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_ = nullptr;
};

// "宝箱ﾘｽﾄ1".
class TreasureListEditor : public PlacedListEditor<TreasureChest> {
    Q_OBJECT
public:
    TreasureListEditor(EditorContext& context, QWidget* parent)
        : PlacedListEditor(context, parent, tr("宝箱ﾘｽﾄ1"), {.target = RefTarget::Chest},
                           {kTreasureFile, LoadTreasureList, AssignChestScenes, WriteTreasureList, SceneList::Chest},
                           // "0 8 2 — 始まりの村 (8, 2): 薬草": the stored numbers, then where the chest stands and what it holds.
                           [this](const TreasureChest& c) {
                               return QStringList{FromCp932(ChestRowText(c)) + QStringLiteral(" \u2014 ") +
                                                  QString::fromStdString(list_.names().ChestText(c.scene, c.x, c.y, c.group))};
                           },
                           [](const TreasureChest& c) { return SceneListRow{c.scene, c.x, c.y, 0, c.group}; }) {
        // The chain on `chest` (row `index`, -1 for a new one); true after its success.
        list_.OnChain(NewTreasureChest, [this](TreasureChest& chest, int index) {
            TreasureChestDialog dialog(context_, list_.catalog(), chest, index, list_.Rows(), this);
            if (dialog.exec() != QDialog::Accepted) return false;
            chest = dialog.record();
            return true;
        });
        Load(0);
    }

private:
    void Leave() override {
        PlacedListEditor::Leave();
        ReleaseEffectTable(context_.effects);
    }
    // The map view's chest markers follow the file as it is now.
    void Saved() override { LoadTreasureTable(context_.project, context_.chests); }
};

}  // namespace

int RunTreasureListEditor(EditorContext& context, QWidget* parent) {
    return RunUnlessUnreadable<TreasureListEditor>(context, parent, kTreasureFile);
}

}  // namespace lw

#include "treasure_list_editor.moc"
