#include "editors/rules/item_list_editor.h"
#include "audio/play_selection.h"
#include "app/language.h"
#include "core/text/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>
#include <memory>

#include "app/editor_context.h"
#include "app/services.h"
#include "audio/music_player.h"
#include "core/media/audio_lists.h"
#include "core/rules/item_editing.h"
#include "core/rules/items.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/audio_glue.h"
#include "widgets/cp932_validator.h"
#include "widgets/kept_value.h"
#include "widgets/list_editor.h"
#include "widgets/play_on_select.h"
#include "widgets/read_guard.h"
#include "widgets/number_spin.h"
#include "widgets/preview_box.h"
#include "widgets/preview_step_dialog.h"

namespace lw {

namespace {

// The labels of the ability bonuses, in the order of ItemAbilityFields().
constexpr std::array<const char*, kItemAbilityCount> kAbilityLabels = {
    LW_UI_TEXT("lw", "敏捷度"), LW_UI_TEXT("lw", "回避力"), LW_UI_TEXT("lw", "攻撃力"), LW_UI_TEXT("lw", "魔力"), LW_UI_TEXT("lw", "肉体防御"), LW_UI_TEXT("lw", "精神防御"), LW_UI_TEXT("lw", "最大HP"), LW_UI_TEXT("lw", "最大MP"), "HP", "MP",
};

// The multi-line description keeps its stored bytes while the field shows what it showed after
// loading them (the counterpart of LoadText/TextValue for a multi-line field).
constexpr const char* kStoredDescription = "lwStoredDescription";
constexpr const char* kShownDescription = "lwShownDescription";

void LoadDescription(QPlainTextEdit* edit, const std::string& bytes) {
    edit->setPlainText(FromCp932(DescriptionForField(bytes)));
    edit->setProperty(kStoredDescription, QByteArray::fromStdString(bytes));
    edit->setProperty(kShownDescription, edit->toPlainText());
}

// nullopt when the text holds characters CP932 cannot hold.
std::optional<std::string> DescriptionValue(const QPlainTextEdit* edit) {
    const QString text = edit->toPlainText();
    if (edit->property(kShownDescription).toString() == text)
        return edit->property(kStoredDescription).toByteArray().toStdString();
    std::optional<std::string> bytes = ToCp932(text);
    if (!bytes) return std::nullopt;
    return DescriptionFromTyped(*bytes);
}

// What the form shows with no item selected: nothing chosen, everything empty or 0.
Item ClearedItem() {
    Item item;
    item.kind = -1;
    item.weaponAnimation = kNoWeaponAnimation;
    item.sound = kItemSoundUnchosen;
    return item;
}

QLabel* Label(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

class ItemListEditor : public PreviewStepDialog {
    Q_OBJECT
public:
    ItemListEditor(EditorContext& context, QWidget* parent) : PreviewStepDialog(context, parent) {
        setWindowTitle(tr("ｱｲﾃﾑ ﾘｽﾄ"));
        auto* layout = new QVBoxLayout(this);
        auto* top = new QHBoxLayout();
        layout->addLayout(top, 1);

        auto* panel = new ListEditorPanel(ListEditorOptions{}, this);
        panel->AddUsagesButton(context.project, RefTarget::Item);
        panel->view()->setMinimumSize(200, 300);
        QPushButton* update = panel->AddButton(tr("更新"), ListEditorPanel::Enable::WithSelection);
        top->addWidget(panel, 1);

        auto* grid = new QGridLayout();
        top->addLayout(grid, 2);
        BuildForm(grid);

        auto* bottom = new QHBoxLayout();
        AddButtons(bottom);
        layout->addLayout(bottom);

        list_ = std::make_unique<ListEditor<Item>>(panel, [](const Item& i) { return QStringList{FromCp932(i.name)}; });
        list_->OnSelectionChanged([this](int) { ShowSelection(); });
        list_->KeepReferences(context_, this, RefTarget::Item);
        // "追加" keeps the selection where it is, so the panel's add is handled here; after "削除" the
        // form shows the row that took the deleted one's place (the list has moved it there first).
        connect(panel, &ListEditorPanel::addClicked, this, [this] { AddItem(); });
        connect(update, &QPushButton::clicked, this, [this] { UpdateItem(); });
        connect(panel, &ListEditorPanel::deleteClicked, this, [this] { ShowSelection(); });

        // The other lists this form chooses from, and the game's limits, as they are on disk now.
        LoadGameSettings(context_.project, context_.settings);
        LoadEffectTable(context_.project, context_.effects);
        AddEffectComboItems(weapon_, context_.effects, -1);
        FillAudioTableCombo(sound_, context_.project, AudioList::Sound);
        sound_->setCurrentIndex(-1);

        const int abilityMax = AbilitySpinMaximum(context_.settings);
        for (QSpinBox* spin : abilities_) spin->setRange(0, abilityMax);
        price_->setRange(0, kItemPriceMax);

        std::vector<Item> items;
        loadStatus_ = LoadItemList(context_.project, items);
        list_->SetRecords(std::move(items), -1);

        // A sound effect chosen in the drop-down is heard at once; showing a row's record does not play.
        playOnSelect_ = new PlayOnSelect(sound_, play_, context_, AudioKind::Sound);
        playOnSelect_->Reset();
        play_->click();  // checked on opening, with nothing chosen: stays silent
        showImage_->setChecked(true);

        connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
            if (!loading_) OnKindChosen();
        });
        connect(weapon_, &QComboBox::currentIndexChanged, this, [this] {
            if (!loading_) RefreshPreview();
        });
        connect(showImage_, &QCheckBox::toggled, this, [this] { RefreshPreview(); });

        ShowSelection();
    }

    // How reading item_list.txt went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: stops playback, writes item_list.txt (after the overwrite question), closes the preview
    // and ends with 1 whether or not the file was written.
    // Cancel, Escape and the close box: the same without writing; ends with 0.
    void accept() override {
        if (playOnSelect_) playOnSelect_->Stop();
        // Something could not be written: the editor stays open with the author's work.
        if (!SaveUnlessUnreadable(context_, this, loadStatus_, [this](SaveUi& ui) {
                list_->Save(ui, kItemFile, ItemListBytes,
                            [this](SaveUi& u) { return SaveItemList(context_.project, list_->records(), u); });
            }))
            return;
        Leave();
        done(QDialog::Accepted);
    }

private:
    void BuildForm(QGridLayout* grid) {
        int row = 0;
        // One row of the form: the label, the field over `span` columns, `extra` in the last one.
        const auto addRow = [&](const QString& label, QWidget* field, int span, QWidget* extra = nullptr,
                                Qt::Alignment labelAlignment = {}) {
            grid->addWidget(Label(label, this), row, 0, labelAlignment);
            grid->addWidget(field, row, 1, 1, span);
            if (extra != nullptr) grid->addWidget(extra, row, 3);
            ++row;
        };
        // A drop-down of the core's names with nothing chosen.
        const auto namesCombo = [this](const auto& names) {
            auto* combo = new QComboBox(this);
            for (const std::string& n : names) combo->addItem(CoreTextCp932(n));
            combo->setCurrentIndex(-1);
            return combo;
        };
        // A drop-down of a list's entries, wide enough for their names.
        const auto wideCombo = [this] {
            auto* combo = new QComboBox(this);
            combo->setMinimumContentsLength(16);
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            return combo;
        };

        name_ = new QLineEdit(this);
        LimitToCp932(name_, static_cast<int>(kItemNameBytes));
        addRow(tr("ｱｲﾃﾑ名"), name_, 3);
        kind_ = namesCombo(ItemKindNames());
        noDiscard_ = new QCheckBox(tr("廃棄・売却不可"), this);
        addRow(tr("種別"), kind_, 2, noDiscard_);

        auto* abilityBox = new QGroupBox(tr("能力値"), this);
        auto* abilityGrid = new QGridLayout(abilityBox);
        for (int i = 0; i < kItemAbilityCount; ++i) {
            auto* spin = new NumberSpin(abilityBox);
            spin->setMinimumWidth(80);
            abilities_[static_cast<std::size_t>(i)] = spin;
            const int r = i / 2, c = (i % 2) * 2;
            abilityGrid->addWidget(Label(CoreText(kAbilityLabels[static_cast<std::size_t>(i)]), abilityBox), r, c);
            abilityGrid->addWidget(spin, r, c + 1);
        }
        abilityGrid->setColumnStretch(1, 1);
        abilityGrid->setColumnStretch(3, 1);
        grid->addWidget(abilityBox, row++, 0, 1, 4);

        health_ = namesCombo(HealthStateNames());
        addRow(tr("健康状態"), health_, 2);
        weapon_ = wideCombo();
        showImage_ = NewPreviewBox(tr("画像表示"), this);
        addRow(tr("武器ｱﾆﾒ"), weapon_, 2, showImage_);
        sound_ = wideCombo();
        play_ = NewPreviewBox(tr("MIDI・WAVE再生"), this);
        addRow(tr("効果音"), sound_, 2, play_);
        price_ = new NumberSpin(this);
        price_->setMinimumWidth(100);
        addRow(tr("金額"), price_, 1);

        description_ = new QPlainTextEdit(this);
        description_->setTabChangesFocus(true);
        description_->setMinimumHeight(80);
        grid->setRowStretch(row, 1);
        addRow(tr("説明"), description_, 3, nullptr, Qt::AlignTop);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(2, 1);
    }

    void OpenPreview() override {
        OpenView(ViewMode::ItemAnimation);
        RefreshPreview();
    }

    void ShowSelection() {
        const int row = list_->selected();
        ShowRecord(row >= 0 ? list_->records()[static_cast<std::size_t>(row)] : ClearedItem());
    }

    // The form shows `item` (the selected row's record, or a cleared one).
    void ShowRecord(const Item& item) {
        loading_ = true;
        {
            // Loading a record chooses rows from code: that plays nothing.
            const QSignalBlocker quiet(sound_);
            LoadText(name_, item.name);
            LoadDescription(description_, item.description);
            LoadComboIndex(kind_, item.kind);
            LoadComboIndex(sound_, item.sound + 1);  // row 0 is "なし"
            ApplyKind(item.kind, false);
            if (KindUsesWeaponAnimation(item.kind)) {
                LoadComboIndex(weapon_, item.weaponAnimation);
            } else {
                weapon_->setCurrentIndex(-1);
            }
            health_->setCurrentIndex(KindUsesHealthState(item.kind) ? HealthStateRow(item.healthState) : -1);
            LoadCheck(noDiscard_, item.noDiscard);
            const auto fields = ItemAbilityFields();
            for (std::size_t i = 0; i < fields.size(); ++i) LoadSpin(abilities_[i], item.*fields[i]);
            LoadSpin(price_, item.price);
        }
        shown_ = item;
        shownWeaponRow_ = weapon_->currentIndex();
        shownHealthRow_ = health_->currentIndex();
        loading_ = false;
        RefreshPreview();
    }

    // Enables the kind-dependent controls for `kind`; `clear` empties the ones it disables.
    void ApplyKind(int kind, bool clear) {
        const bool weapon = KindUsesWeaponAnimation(kind);
        weapon_->setEnabled(weapon);
        showImage_->setEnabled(weapon);
        if (!weapon && clear) weapon_->setCurrentIndex(-1);
        const bool health = KindUsesHealthState(kind);
        health_->setEnabled(health);
        if (!health && clear) health_->setCurrentIndex(-1);
    }

    void OnKindChosen() {
        ApplyKind(ComboIndexValue(kind_), true);
        RefreshPreview();
    }

    void RefreshPreview() {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        const int row = weapon_->currentIndex();
        const bool show = showImage_->isChecked() && KindUsesWeaponAnimation(ComboIndexValue(kind_)) && row >= 0 &&
                          row < context_.effects.count();
        if (!show) {
            v.Hide();
            return;
        }
        v.state().animation = context_.effects.records[static_cast<std::size_t>(row)];
        v.RestartAnimation();
        v.ShowAnimationCell(this, v.state().animation.imageFile);
    }

    // What the controls hold; nullopt (after telling the author) when the description holds
    // characters the file cannot.
    std::optional<ItemForm> ReadForm() {
        std::optional<std::string> description = DescriptionValue(description_);
        if (!description) {
            Inform(context_, this, tr("説明に使えない文字があります"));
            return std::nullopt;
        }
        ItemForm form;
        form.name = TextValue(name_);
        form.description = std::move(*description);
        form.kindRow = ComboIndexValue(kind_);
        form.soundRow = ComboIndexValue(sound_);
        form.animationRow = weapon_->currentIndex();
        form.healthRow = health_->currentIndex();
        form.noDiscard = noDiscard_->isChecked();
        for (std::size_t i = 0; i < abilities_.size(); ++i) form.abilities[i] = SpinValue(abilities_[i]);
        form.price = SpinValue(price_);
        return form;
    }

    // The record of the form, untouched values as the shown record had them.
    Item Collect(const ItemForm& form) const {
        KeptItemChoices kept;
        kept.noDiscard = CheckValue(noDiscard_);
        kept.weaponAsShown = weapon_->currentIndex() == shownWeaponRow_;
        kept.healthAsShown = health_->currentIndex() == shownHealthRow_;
        return CollectEditedItem(form, shown_, kept);
    }

    // Tells the author why the form cannot be stored (`problem`, or a description longer than a
    // record keeps); false when there is nothing to tell.
    bool Refuse(ItemProblem problem, const ItemForm& form) {
        QString text;
        switch (problem) {
        case ItemProblem::None:
            if (DescriptionFits(form.description)) return false;
            text = tr("説明が長すぎます（%1ﾊﾞｲﾄまで）").arg(kItemDescriptionBytes);
            break;
        case ItemProblem::NoName: text = tr("ｱｲﾃﾑ名がありません"); break;
        case ItemProblem::NameHasBlank: text = tr("ｱｲﾃﾑ名に空白は使えません"); break;
        case ItemProblem::NoKind: text = tr("[種別]を指定してください"); break;
        case ItemProblem::DescriptionHasBlank:
            text = tr("説明に半角の空白やﾀﾌﾞは使えません（全角の空白は使えます）");
            break;
        }
        Inform(context_, this, text);
        return true;
    }

    void AddItem() {
        std::optional<ItemForm> form = ReadForm();
        if (!form || Refuse(CheckItemToAdd(*form), *form)) return;
        const int selected = list_->selected();
        list_->model().Append(Collect(*form));
        list_->model().Select(selected);
        list_->Refresh();
    }

    void UpdateItem() {
        const int row = list_->selected();
        if (row < 0) return;
        std::optional<ItemForm> form = ReadForm();
        if (!form || Refuse(CheckItemToUpdate(*form), *form)) return;
        const Item item = Collect(*form);
        list_->model().Replace(row, item);
        list_->Refresh();
        ShowRecord(item);
    }

    void Leave() override {
        if (playOnSelect_) playOnSelect_->Stop();
        view().Close();
        view().SetMode(ViewMode::None);
    }

    std::unique_ptr<ListEditor<Item>> list_;
    QLineEdit* name_;
    QComboBox* kind_;
    QCheckBox* noDiscard_;
    // The ten ability spins in the order of the record (agility to MP).
    std::array<QSpinBox*, kItemAbilityCount> abilities_{};
    QSpinBox* price_;
    QComboBox* health_;
    QComboBox* weapon_;
    QCheckBox* showImage_;
    QComboBox* sound_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_ = nullptr;
    QPlainTextEdit* description_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    // The record the form was last loaded from: untouched controls give back its values.
    Item shown_;
    int shownWeaponRow_ = -1;
    int shownHealthRow_ = -1;
    bool loading_ = false;
};

}  // namespace

int RunItemListEditor(EditorContext& context, QWidget* parent) {
    return RunUnlessUnreadable<ItemListEditor>(context, parent, kItemFile);
}

}  // namespace lw

#include "item_list_editor.moc"
