#include "editors/scenes/field_battle_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <memory>
#include <optional>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/rules/enemy_units.h"
#include "core/tagfile/record_format.h"
#include "core/world/chip_rows.h"
#include "core/world/placement.h"
#include "render/bitmap.h"
#include "widgets/record_names_ui.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/list_editor.h"
#include "widgets/number_spin.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

// "ﾌｨｰﾙﾄﾞ戦闘3": the chips of the scene's background chip set, each with the battle it starts.
class TerrainBattleDialog : public QDialog {
    Q_OBJECT
public:
    TerrainBattleDialog(EditorContext& context, const Scene& scene, QWidget* parent)
        : QDialog(parent), context_(context), grid_(scene.terrainBattle) {
        setWindowTitle(tr("ﾌｨｰﾙﾄﾞ戦闘3"));
        auto* layout = new QHBoxLayout(this);
        chips_ = new QListWidget(this);
        chips_->setMinimumSize(120, 260);
        QFont fixed = chips_->font();
        fixed.setFamily(QStringLiteral("monospace"));
        fixed.setStyleHint(QFont::Monospace);
        chips_->setFont(fixed);
        layout->addWidget(chips_);
        auto* side = new QVBoxLayout();
        battle_ = new QComboBox(this);
        battle_->setMinimumWidth(160);
        battle_->setAccessibleName(tr("ﾌｨｰﾙﾄﾞ戦闘"));
        side->addWidget(battle_);
        update_ = new QPushButton(tr("更新"), this);
        clear_ = new QPushButton(tr("消去"), this);
        side->addWidget(update_);
        side->addWidget(clear_);
        side->addStretch(1);
        auto* buttons = new QHBoxLayout();
        AddDialogButtons(this, buttons);
        side->addLayout(buttons);
        layout->addLayout(side);

        for (const FieldBattle& b : scene.battles) battle_->addItem(FromCp932(b.backgroundImage));
        chipSet_ = LoadImageFile(ImageFilePath(context_.project, scene.backgroundChipSet));
        shape_ = ChipListShapeOf(chipSet_.width(), chipSet_.height(), kCellPixels, kCellPixels);
        for (int i = 0; i < shape_.count(); ++i) {
            chips_->addItem(QString());
            RefreshRow(i);
        }
        connect(update_, &QPushButton::clicked, this, [this] {
            if (battle_->currentIndex() >= 0) SetSelected(battle_->currentIndex() + 1);
        });
        connect(clear_, &QPushButton::clicked, this, [this] { SetSelected(0); });
        connect(chips_, &QListWidget::currentRowChanged, this, [this] { PreviewChip(); });
    }

    const ChipGrid& grid() const { return grid_; }

    // OK and Cancel close the chip's preview.
    void done(int result) override {
        context_.imageView->Close();
        QDialog::done(result);
    }

private:
    // The grid entry of list row `row`.
    int& GridOf(int row) {
        const ChipCell c = ChipCellOfRow(row, shape_.columns);
        return grid_[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.column)];
    }

    void RefreshRow(int row) {
        chips_->item(row)->setText(QString::fromLatin1(ChipRowText(row, GridOf(row))));
    }

    void SetSelected(int value) {
        const int row = chips_->currentRow();
        if (row < 0 || row >= shape_.count()) return;
        GridOf(row) = value;
        RefreshRow(row);
    }

    void PreviewChip() {
        const int row = chips_->currentRow();
        if (row < 0 || row >= shape_.count() || chipSet_.isNull()) return;
        const ChipCell r = ChipCellOfRow(row, shape_.columns);
        ImageView& view = *context_.imageView;
        if (!view.IsOpen() || view.window()->parentWidget() != this) view.Open(this);
        view.SetMode(ViewMode::None, this);
        Picture& main = view.state().main;
        main.image = chipSet_.copy(r.column * kCellPixels, r.row * kCellPixels, kCellPixels, kCellPixels);
        main.width = kCellPixels;
        main.height = kCellPixels;
        view.SetCaption(QString::number(row));
        view.FitViewToImage(this);
        view.Show();
    }

    EditorContext& context_;
    ChipGrid grid_;
    QImage chipSet_;
    ChipListShape shape_;  // the chip set in 32 x 32 chips; list row i is chip i
    QListWidget* chips_;
    QComboBox* battle_;
    QPushButton* update_;
    QPushButton* clear_;
};

// "ﾌｨｰﾙﾄﾞ戦闘2" on `scene`; `fileName` is the scene's file, for the places the chips are shown at.
class FieldBattleDialog : public QDialog {
    Q_OBJECT
public:
    FieldBattleDialog(EditorContext& context, Scene& scene, QWidget* parent, std::string fileName)
        : QDialog(parent), context_(context), scene_(scene), fileName_(std::move(fileName)), grid_(scene.terrainBattle) {
        setWindowTitle(tr("ﾌｨｰﾙﾄﾞ戦闘2"));
        auto* layout = new QVBoxLayout(this);
        auto* panel = new ListEditorPanel({.headers = {}, .addLabel = tr("追加")}, this);
        panel->setMinimumSize(300, 200);
        update_ = panel->AddButton(tr("更新"), ListEditorPanel::Enable::WithSelection);
        layout->addWidget(panel);

        auto* form = new QFormLayout();
        enemy_ = new QComboBox(this);
        enemy_->setMinimumWidth(200);
        form->addRow(tr("敵ﾕﾆｯﾄ"), enemy_);
        rate_ = new NumberSpin(this);
        rate_->setRange(1, 100);
        auto* rateRow = new QHBoxLayout();
        rateRow->addWidget(rate_);
        rateRow->addWidget(new QLabel(tr("%"), this));
        rateRow->addStretch(1);
        form->addRow(tr("出現率"), rateRow);
        background_ = new ImageChooser(this);
        show_ = new QCheckBox(tr("表示"), this);
        DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
        auto* backgroundRow = new QHBoxLayout();
        backgroundRow->addWidget(background_, 1);
        backgroundRow->addWidget(show_);
        form->addRow(tr("背景"), backgroundRow);
        layout->addLayout(form);
        auto* buttons = new QHBoxLayout();
        AddDialogButtons(this, buttons, tr("次へ"));
        layout->addLayout(buttons);

        std::vector<EnemyUnitChoice> units;
        LoadEnemyUnitChoices(context_.project, units);
        for (const EnemyUnitChoice& u : units) enemy_->addItem(FromCp932(u.text));
        background_->Fill(context_.project);

        names_ = InterfaceRecordNames(context_.project);
        // "2 30 field.bmp — 草原の敵": the stored values, then the enemy unit's name.
        list_ = std::make_unique<ListEditor<FieldBattle>>(panel, [this](const FieldBattle& b) {
            return QStringList{FromCp932(FieldBattleRowText(b)) + NameSuffix(*names_, RefTarget::EnemyUnit, b.enemyUnit)};
        });
        list_->OnAdd([this] { return FromControls(FieldBattle{}, true); });
        list_->SetCapacity(kSceneBattleCapacity, [this] {
            Warn(context_, this, tr("ﾌｨｰﾙﾄﾞ戦闘は1つの場面に%1個までです。これ以上追加できません。").arg(kSceneBattleCapacity));
        });
        list_->OnSelectionChanged([this](int row) { ShowBattle(row); });
        list_->KeepReferences(std::make_unique<ReferenceKeeper>(
            context_, this, [this] { return TerrainBattleReferences(grid_, fileName_); },
            [this](const RowRenumbering& step) {
                RenumberTerrainBattles(grid_, step);
                return std::vector<Problem>{};
            }));
        connect(update_, &QPushButton::clicked, this, [this] { UpdateSelected(); });
        connect(show_, &QCheckBox::toggled, this, [this] { ShowBackground(); });
        connect(background_, &QComboBox::currentIndexChanged, this, [this] { ShowBackground(); });
        list_->SetRecords(scene_.battles, scene_.battles.empty() ? -1 : 0);
        ShowBattle(list_->selected());
    }
    ~FieldBattleDialog() override { list_.reset(); }

    void accept() override {
        Scene withBattles = scene_;
        withBattles.battles = list_->records();
        withBattles.terrainBattle = grid_;
        context_.imageView->Close();
        TerrainBattleDialog terrain(context_, withBattles, this);
        if (terrain.exec() != QDialog::Accepted) {
            if (show_->isChecked()) ShowBackground();
            return;  // back to this list
        }
        scene_.battles = std::move(withBattles.battles);
        scene_.terrainBattle = terrain.grid();
        QDialog::accept();
    }

    void reject() override {
        context_.imageView->Close();
        QDialog::reject();
    }

private:
    void ShowBattle(int row) {
        if (row < 0 || row >= static_cast<int>(list_->records().size())) return;
        const FieldBattle& b = list_->records()[static_cast<std::size_t>(row)];
        LoadComboIndex(enemy_, b.enemyUnit);
        LoadSpin(rate_, FieldBattleRateShown(b.rate));
        background_->LoadName(b.backgroundImage);
    }

    // The battle the controls describe; `base` gives the values of untouched controls. nullopt (and
    // a message) when it cannot be stored.
    std::optional<FieldBattle> FromControls(const FieldBattle& base, bool adding) {
        FieldBattle b = base;
        b.enemyUnit = ComboIndexValue(enemy_);
        // A new battle needs a unit; a stored one keeps what it had while the chooser is untouched.
        if (adding && enemy_->currentIndex() < 0 && b.enemyUnit < 0) {
            Warn(context_, this, tr("敵ﾕﾆｯﾄを選択してください"));
            return std::nullopt;
        }
        // Updating a row keeps its rate (say 12.5 from the file) while the spin is untouched.
        if (adding || ChangedSinceLoad(rate_)) b.rate = static_cast<float>(rate_->value());
        const std::string name = background_->ChosenName();
        // The background is the last field of its line, but a blank would cut it when read back.
        if (name != base.backgroundImage && CheckTokenField(name) == FieldProblem::HasBlank) {
            Warn(context_, this, tr("背景のﾌｧｲﾙ名に空白は使えません"));
            return std::nullopt;
        }
        b.backgroundImage = name;
        return b;
    }

    void UpdateSelected() {
        const int row = list_->selected();
        if (row < 0) return;
        std::optional<FieldBattle> b = FromControls(list_->records()[static_cast<std::size_t>(row)], false);
        if (!b) return;
        list_->model().Replace(row, std::move(*b));
        list_->Refresh();
    }

    void ShowBackground() {
        ImageView& view = *context_.imageView;
        if (!show_->isChecked()) {
            view.Hide();
            return;
        }
        if (!view.IsOpen() || view.window()->parentWidget() != this) view.Open(this);
        view.SetMode(ViewMode::None, this);
        view.ShowOrHideComboImage(this, background_, true);
    }

    EditorContext& context_;
    Scene& scene_;
    std::string fileName_;
    ChipGrid grid_;  // the terrain battle grid as the rows stand (renumbered with them when the author chose so)
    std::unique_ptr<RecordNames> names_;
    std::unique_ptr<ListEditor<FieldBattle>> list_;
    QComboBox* enemy_;
    QSpinBox* rate_;
    ImageChooser* background_;
    QCheckBox* show_;
    QPushButton* update_;
};

}  // namespace

bool EditFieldBattles(EditorContext& context, Scene& scene, QWidget* parent, std::string fileName) {
    FieldBattleDialog dialog(context, scene, parent, std::move(fileName));
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace lw

#include "field_battle_dialogs.moc"
