#include "editors/rules/enemy_unit_editor.h"
#include "audio/play_selection.h"
#include "app/language.h"
#include "core/text/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/audio_lists.h"
#include "core/rules/enemy_units.h"
#include "core/rules/items.h"
#include "core/rules/monsters.h"
#include "core/settings/game_settings.h"
#include "core/text/cp932.h"
#include "previews/image_view.h"
#include "widgets/record_names_ui.h"
#include "widgets/audio_glue.h"
#include "widgets/dialog_buttons.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/play_on_select.h"
#include "widgets/read_guard.h"
#include "widgets/number_spin.h"
#include "widgets/list_editor.h"
#include "widgets/preview_box.h"
#include "widgets/preview_list_editor.h"
#include "widgets/preview_step_dialog.h"

namespace lw {

namespace {

const char* const kSlotNames[kFormationSlots] = {LW_UI_TEXT("lw", "下左"), LW_UI_TEXT("lw", "下中"), LW_UI_TEXT("lw", "下右"), LW_UI_TEXT("lw", "上左"), LW_UI_TEXT("lw", "上中"), LW_UI_TEXT("lw", "上右")};

// Spins that belong to a choice: emptied and disabled while nothing is chosen.
void FollowChoice(bool chosen, std::initializer_list<QSpinBox*> spins) {
    for (QSpinBox* spin : spins) {
        if (!chosen) spin->setValue(0);
        spin->setEnabled(chosen);
    }
}

// Shows `formation` in the preview (sprites mode) over the picture already loaded as the main image
// (the empty battle field without one).
void ShowFormationPreview(ImageView& v, QWidget* dialog, const Formation& formation, const MonsterTable& monsters,
                          const GameSettings& settings) {
    std::array<PictureSize, kFormationSlots> sizes{};
    ImageViewState& s = v.state();
    for (int i = 0; i < kFormationSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const int choice = formation.monster[slot];
        const Monster* m = choice >= 1 && choice <= static_cast<int>(monsters.records.size())
                               ? &monsters.records[static_cast<std::size_t>(choice - 1)]
                               : nullptr;
        v.LoadSpriteImage(i, m != nullptr ? m->picture : std::string());
        sizes[slot] = {s.sprites[slot].width, s.sprites[slot].height};
        if (m != nullptr) s.spritePlacements[slot].spec = DrawSpec{m->drawMode, m->keyOn, Rgb{m->keyRed, m->keyGreen, m->keyBlue}};
    }
    const auto places = PlaceFormation(formation, sizes, BattleLayout{settings.battleMenuTranslucent != 0, settings.talkY});
    for (std::size_t i = 0; i < places.size(); ++i) {
        s.spritePlacements[i].x = places[i].x;
        s.spritePlacements[i].y = places[i].y;
    }
    v.FitViewTo320x240(dialog);
    v.Show();
    v.Repaint();
}

// "敵ﾕﾆｯﾄ名（省略可）": the unit's name.
class EnemyUnitNameDialog : public QDialog {
    Q_OBJECT
public:
    EnemyUnitNameDialog(std::string& name, QWidget* parent = nullptr) : QDialog(parent), name_(name) {
        setWindowTitle(tr("敵ﾕﾆｯﾄ名（省略可）"));
        auto* layout = new QVBoxLayout(this);
        edit_ = new QLineEdit(this);
        edit_->setMaxLength(64);
        edit_->setMinimumWidth(280);
        edit_->setAccessibleName(tr("敵ﾕﾆｯﾄ名"));
        LoadText(edit_, name_);
        layout->addWidget(edit_);
        auto* buttons = new QHBoxLayout();
        AddDialogButtons(this, buttons);
        layout->addLayout(buttons);
    }

public slots:
    void accept() override {
        // The name is a whole line of the file: blanks are kept, line breaks cannot be typed.
        name_ = CutCopy(TextValue(edit_), kEnemyNameBytes);
        done(QDialog::Accepted);
    }

private:
    std::string& name_;
    QLineEdit* edit_;
};

// ---------------------------------------------------------------------------------------------

// "敵ﾕﾆｯﾄ出現率": the rates of `formations`; "次へ" runs the name dialog on `name`.
class EnemyRatesDialog : public QDialog {
    Q_OBJECT
public:
    EnemyRatesDialog(EditorContext& context, std::vector<Formation>& formations, std::string& name,
                        QWidget* parent = nullptr)
        : QDialog(parent), context_(context), formations_(formations), name_(name) {
        setWindowTitle(tr("敵ﾕﾆｯﾄ出現率"));
        SplitRatesEvenly(formations_);
        auto* layout = new QVBoxLayout(this);
        list_ = new QListWidget(this);
        list_->setMinimumSize(200, 220);
        for (const Formation& f : formations_) list_->addItem(QString::fromStdString(RateRowText(f)));
        layout->addWidget(list_, 1);
        auto* row = new QHBoxLayout();
        spin_ = new NumberSpin(this);
        spin_->setRange(0, 100);
        row->addWidget(new QLabel(tr("出現率"), this));
        row->addWidget(spin_, 1);
        row->addWidget(new QLabel(QStringLiteral("%"), this));
        layout->addLayout(row);
        auto* buttons = new QHBoxLayout();
        AddDialogButtons(this, buttons, tr("次へ"));
        layout->addLayout(buttons);
        connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowSelection(); });
        connect(spin_, &QSpinBox::valueChanged, this, [this] { StoreSpin(); });
        if (!formations_.empty()) list_->setCurrentRow(0);
    }

public slots:
    // "次へ": the rates must total 100 %; then the name.
    void accept() override {
        spin_->interpretText();
        if (!RatesTotal100(formations_)) {
            Inform(context_, this, tr("出現率の総和は、100% にしてください"));
            return;
        }
        EnemyUnitNameDialog names(name_, this);
        if (names.exec() == QDialog::Accepted) done(QDialog::Accepted);
    }

private:
    void ShowSelection() {
        const int row = list_->currentRow();
        loading_ = true;
        spin_->setEnabled(row >= 0);
        if (row >= 0) LoadSpin(spin_, RatePercent(formations_[static_cast<std::size_t>(row)].rate));
        loading_ = false;
    }

    void StoreSpin() {
        const int row = list_->currentRow();
        if (loading_ || row < 0) return;
        Formation& f = formations_[static_cast<std::size_t>(row)];
        f.rate = static_cast<float>(spin_->value()) / 100.0f;
        list_->item(row)->setText(QString::fromStdString(RateRowText(f)));
    }

    EditorContext& context_;
    std::vector<Formation>& formations_;
    std::string& name_;
    QListWidget* list_;
    QSpinBox* spin_;
    bool loading_ = false;
};

// ---------------------------------------------------------------------------------------------

// "敵ﾕﾆｯﾄ ﾘｽﾄ3": one formation.
class FormationDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    FormationDialog(EditorContext& context, const MonsterTable& monsters, Formation& formation,
                        QWidget* parent = nullptr)
        : PreviewStepDialog(context, parent), monsters_(monsters), formation_(formation) {
        setWindowTitle(tr("敵ﾕﾆｯﾄ ﾘｽﾄ3"));
        loading_ = true;
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout();
        for (int i = 0; i < kFormationSlots; ++i) {
            const auto s = static_cast<std::size_t>(i);
            monster_[s] = new QComboBox(this);
            // "なし", then the monsters of the list.
            monster_[s]->addItem(NoneLabel());
            for (const Monster& m : monsters_.records) monster_[s]->addItem(FromCp932(m.name));
            x_[s] = new NumberSpin(this);
            y_[s] = new NumberSpin(this);
            x_[s]->setRange(0, kBattleWidth);
            y_[s]->setRange(0, kBattleHeight);
            LoadComboIndex(monster_[s], formation_.monster[s]);
            LoadSpin(x_[s], formation_.x[s]);
            LoadSpin(y_[s], formation_.y[s]);
            const bool used = formation_.monster[s] != 0;
            x_[s]->setEnabled(used);
            y_[s]->setEnabled(used);
            grid->addWidget(new QLabel(CoreText(kSlotNames[i]), this), i, 0);
            grid->addWidget(monster_[s], i, 1);
            grid->addWidget(new QLabel(QStringLiteral("X"), this), i, 2);
            grid->addWidget(x_[s], i, 3);
            grid->addWidget(new QLabel(QStringLiteral("Y"), this), i, 4);
            grid->addWidget(y_[s], i, 5);
            connect(monster_[s], &QComboBox::currentIndexChanged, this, [this, i] {
                if (!loading_) MonsterChosen(i);
            });
            connect(x_[s], &QSpinBox::valueChanged, this, [this] { Redraw(); });
            connect(y_[s], &QSpinBox::valueChanged, this, [this] { Redraw(); });
        }
        grid->setColumnStretch(1, 1);
        layout->addLayout(grid);

        auto* more = new QGridLayout();
        boss_ = new QComboBox(this);
        boss_->addItem(NoneLabel());
        for (const char* n : kSlotNames) boss_->addItem(CoreText(n));
        LoadComboIndex(boss_, formation_.boss + 1);
        more->addWidget(new QLabel(tr("ﾎﾞｽ"), this), 0, 0);
        more->addWidget(boss_, 0, 1, 1, 3);

        bgm_ = new QComboBox(this);
        FillAudioTableCombo(bgm_, context_.project, AudioList::Bgm);
        LoadComboIndex(bgm_, formation_.bgm + 1);
        play_ = NewPreviewBox(tr("BGM再生"), this);
        playOnSelect_ = new PlayOnSelect(bgm_, play_, context_, AudioKind::Bgm);
        playOnSelect_->Reset();
        more->addWidget(new QLabel(tr("BGM"), this), 1, 0);
        more->addWidget(bgm_, 1, 1, 1, 2);
        more->addWidget(play_, 1, 3);

        item_ = new QComboBox(this);
        item_->addItem(NoneLabel());
        std::vector<ItemChoice> items;
        LoadItemChoices(context_.project, kAnyItemKind, items);
        {
            RecordNames names(context_.project);
            item_->addItems(ItemChoiceTexts(names, items));
        }
        LoadComboIndex(item_, formation_.item + 1);
        itemRate_ = new NumberSpin(this);
        itemRate_->setRange(0, 100);
        LoadSpin(itemRate_, RatePercent(formation_.itemRate));
        itemCount_ = new NumberSpin(this);
        itemCount_->setRange(0, std::max(context_.settings.itemOwnMax, 0));
        LoadSpin(itemCount_, formation_.itemCount);
        const bool hasItem = formation_.item != kNoFormationItem;
        itemRate_->setEnabled(hasItem);
        itemCount_->setEnabled(hasItem);
        more->addWidget(new QLabel(tr("名前"), this), 2, 0);
        more->addWidget(item_, 2, 1, 1, 3);
        more->addWidget(new QLabel(tr("出現率"), this), 3, 0);
        more->addWidget(itemRate_, 3, 1);
        more->addWidget(new QLabel(tr("個数"), this), 3, 2);
        more->addWidget(itemCount_, 3, 3);
        connect(item_, &QComboBox::currentIndexChanged, this, [this] {
            if (!loading_) ItemChosen();
        });

        background_ = new ImageChooser(this);
        background_->Fill(context_.project);
        more->addWidget(new QLabel(tr("仮画"), this), 4, 0);
        more->addWidget(background_, 4, 1, 1, 3);
        connect(background_, &QComboBox::currentIndexChanged, this, [this] {
            if (loading_) return;
            view().LoadMainImage(background_->ChosenName());
            Redraw();
        });
        more->setColumnStretch(1, 1);
        layout->addLayout(more);

        auto* buttons = new QHBoxLayout();
        AddButtons(buttons);
        layout->addLayout(buttons);
        loading_ = false;
    }

public slots:
    void accept() override {
        for (QSpinBox* s : {itemRate_, itemCount_}) s->interpretText();
        for (std::size_t s = 0; s < x_.size(); ++s) {
            x_[s]->interpretText();
            y_[s]->interpretText();
        }
        formation_ = Collect();
        LeaveAccepted();
    }

private:
    void MonsterChosen(int slot) {
        const auto s = static_cast<std::size_t>(slot);
        FollowChoice(monster_[s]->currentIndex() > 0, {x_[s], y_[s]});
        Redraw();
    }

    void ItemChosen() { FollowChoice(item_->currentIndex() > 0, {itemRate_, itemCount_}); }

    // What the controls make now (the record OK stores).
    Formation Collect() const {
        Formation f = formation_;
        for (std::size_t s = 0; s < monster_.size(); ++s) {
            f.monster[s] = ComboIndexValue(monster_[s]);
            f.x[s] = SpinValue(x_[s]);
            f.y[s] = SpinValue(y_[s]);
        }
        f.boss = ComboIndexValue(boss_) - 1;
        f.bgm = ComboIndexValue(bgm_) - 1;
        f.item = ComboIndexValue(item_) - 1;
        if (ChangedSinceLoad(itemRate_)) f.itemRate = static_cast<float>(itemRate_->value()) / 100.0f;
        f.itemCount = SpinValue(itemCount_);
        return f;
    }

    void OpenPreview() override {
        ImageView& v = view();
        v.Open(this);
        v.SetMode(ViewMode::Sprites);
        v.LoadMainImage(background_->ChosenName());
        Redraw();
    }

    void Redraw() {
        if (loading_) return;
        ImageView& v = view();
        if (!v.IsOpen()) return;
        ShowFormationPreview(v, this, Collect(), monsters_, context_.settings);
    }

    void Leave() override {
        playOnSelect_->Stop();
        ImageView& v = view();
        v.CloseWithSprites();
        v.SetMode(ViewMode::None);
    }

    const MonsterTable& monsters_;
    Formation& formation_;
    std::array<QComboBox*, kFormationSlots> monster_{};
    std::array<QSpinBox*, kFormationSlots> x_{};
    std::array<QSpinBox*, kFormationSlots> y_{};
    QComboBox* boss_;
    QComboBox* bgm_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_;
    QComboBox* item_;
    QSpinBox* itemRate_;
    QSpinBox* itemCount_;
    ImageChooser* background_;
    bool loading_ = false;
};

// ---------------------------------------------------------------------------------------------

// "敵ﾕﾆｯﾄ ﾘｽﾄ2": the formations of `unit`, changed only when the chain ends with the name's OK.
class FormationListDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    FormationListDialog(EditorContext& context, const MonsterTable& monsters, EnemyUnit& unit,
                        QWidget* parent = nullptr)
        : PreviewStepDialog(context, parent), monsters_(monsters), unit_(unit) {
        setWindowTitle(tr("敵ﾕﾆｯﾄ ﾘｽﾄ2"));
        auto* layout = new QVBoxLayout(this);
        auto* panel = new ListEditorPanel({.addLabel = tr("追加..."), .editButton = true}, this);
        panel->view()->setMinimumSize(220, 260);
        layout->addWidget(panel, 1);
        show_ = NewPreviewBox(tr("表示"), this);
        layout->addWidget(show_);
        auto* buttons = new QHBoxLayout();
        AddButtons(buttons, tr("次へ"));
        layout->addLayout(buttons);
        panel->EnableBy(ok_, ListEditorPanel::Enable::WithRows);

        auto runFormation = [this](Formation& f) {
            view().Hide();
            FormationDialog dialog(context_, monsters_, f, this);
            const bool ok = dialog.exec() == QDialog::Accepted;
            view().Open(this);
            view().SetMode(ViewMode::Sprites);
            view().LoadMainImage({});
            return ok;
        };
        names_ = InterfaceRecordNames(context_.project);
        // "1 1 2 0 0 0 — スライム, スライム, ゴブリン": the stored choices, then the monsters' names.
        list_ = std::make_unique<ListEditor<Formation>>(panel, [this](const Formation& f) {
            QString text = QString::fromStdString(FormationRowText(f));
            const std::vector<int> monsters = FormationMonsters(f);
            if (!monsters.empty())
                text += QStringLiteral(" \u2014 ") + QString::fromStdString(names_->NamesText(RefTarget::Monster, monsters));
            return QStringList{text};
        });
        list_->OnAdd([runFormation]() -> std::optional<Formation> {
            Formation f = NewFormation();
            if (!runFormation(f)) return std::nullopt;
            return f;
        });
        list_->OnEdit([runFormation](Formation& f) { return runFormation(f); });
        list_->SetCapacity(kFormationCapacity, [this] {
            Inform(context_, this, tr("1つの敵ﾕﾆｯﾄに登録できる編成は 32 個までです"));
        });
        list_->OnSelectionChanged([this](int) { ShowPreview(); });
        list_->OnChanged([this] { ShowPreview(); });
        list_->SetRecords(UnitFormations(unit_), 0);
        connect(show_, &QCheckBox::toggled, this, [this] { ShowPreview(); });
    }

public slots:
    // "次へ": the rates of the formations, then the name.
    void accept() override {
        EnemyUnit working = unit_;
        if (!SetUnitFormations(working, list_->records())) return;  // the list never holds more than 32
        std::vector<Formation> rows = list_->records();
        view().Hide();
        EnemyRatesDialog rates(context_, rows, working.name, this);
        if (rates.exec() != QDialog::Accepted) {
            ShowPreview();
            return;
        }
        SetUnitFormations(working, rows);
        unit_ = working;
        LeaveAccepted();
    }

private:
    void OpenPreview() override {
        ImageView& v = view();
        v.Open(this);
        v.SetMode(ViewMode::Sprites);
        v.LoadMainImage({});
        ShowPreview();
    }

    void ShowPreview() {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        const int row = list_->selected();
        if (!show_->isChecked() || row < 0) {
            v.Hide();
            return;
        }
        ShowFormationPreview(v, this, list_->records()[static_cast<std::size_t>(row)], monsters_, context_.settings);
    }

    void Leave() override {
        ImageView& v = view();
        v.CloseWithSprites();
        v.SetMode(ViewMode::None);
    }

    const MonsterTable& monsters_;
    EnemyUnit& unit_;
    std::unique_ptr<RecordNames> names_;
    std::unique_ptr<ListEditor<Formation>> list_;
    QCheckBox* show_;
};

// "敵ﾕﾆｯﾄ ﾘｽﾄ1": a list editor of enemy_list.txt without a preview (widgets/preview_list_editor.h);
// "追加..." and "編集..." run the formations.
class EnemyUnitListEditor : public PreviewListEditor<EnemyUnit> {
    Q_OBJECT
public:
    EnemyUnitListEditor(EditorContext& context, QWidget* parent)
        : PreviewListEditor(context,
                            {.caption = tr("敵ﾕﾆｯﾄ ﾘｽﾄ1"), .usages = RefTarget::EnemyUnit, .listSize = {240, 280},
                             .mode = ViewMode::None, .preview = false},
                            {kEnemyFile, LoadEnemyList, SaveEnemyList, EnemyListBytes},
                            [](const EnemyUnit& u) { return QStringList{FromCp932(UnitRowText(u))}; }, parent) {
        LoadGameSettings(context_.project, context_.settings);
        LoadMonsterTable(context_.project, monsters_);
        OnEditStep([this](EnemyUnit& unit, bool) {
            FormationListDialog dialog(context_, monsters_, unit, this);
            return dialog.exec() == QDialog::Accepted;
        });
        Load();
    }

private:
    void ShowSelection() override {}
    // Frees the monster table the formations choose from.
    void Leave() override { ReleaseMonsterTable(monsters_); }
    MonsterTable monsters_;
};

}  // namespace

int RunEnemyUnitListEditor(EditorContext& context, QWidget* parent) {
    return RunPreviewList<EnemyUnitListEditor>(context, parent);
}

}  // namespace lw

#include "enemy_unit_editor.moc"
