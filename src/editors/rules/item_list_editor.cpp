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

#include "app/editor_context.h"
#include "app/services.h"
#include "audio/music_player.h"
#include "core/media/audio_lists.h"
#include "core/rules/item_editing.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/audio_glue.h"
#include "widgets/cp932_validator.h"
#include "widgets/kept_value.h"
#include "widgets/play_on_select.h"
#include "widgets/read_guard.h"
#include "widgets/number_spin.h"
#include "widgets/preview_box.h"

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

}  // namespace

ItemListEditor::ItemListEditor(EditorContext& context, QWidget* parent) : PreviewStepDialog(context, parent) {
    setWindowTitle(tr("ｱｲﾃﾑ ﾘｽﾄ"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    layout->addLayout(top, 1);

    panel_ = new ListEditorPanel(ListEditorOptions{}, this);
    panel_->AddUsagesButton(context.project, RefTarget::Item);
    panel_->view()->setMinimumSize(200, 300);
    update_ = panel_->AddButton(tr("更新"), ListEditorPanel::Enable::WithSelection);
    top->addWidget(panel_, 1);

    auto* grid = new QGridLayout();
    top->addLayout(grid, 2);
    BuildForm(grid);

    auto* bottom = new QHBoxLayout();
    AddButtons(bottom);
    layout->addLayout(bottom);

    list_ = std::make_unique<ListEditor<Item>>(panel_, [](const Item& i) { return QStringList{FromCp932(i.name)}; });
    list_->OnSelectionChanged([this](int) { ShowSelection(); });
    list_->KeepReferences(context_, this, RefTarget::Item);
    // "追加" keeps the selection where it is, so the panel's add is handled here; after "削除" the
    // form shows the row that took the deleted one's place (the list has moved it there first).
    connect(panel_, &ListEditorPanel::addClicked, this, [this] { AddItem(); });
    connect(update_, &QPushButton::clicked, this, [this] { UpdateItem(); });
    connect(panel_, &ListEditorPanel::deleteClicked, this, [this] { ShowSelection(); });

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

void ItemListEditor::BuildForm(QGridLayout* grid) {
    int row = 0;
    name_ = new QLineEdit(this);
    LimitToCp932(name_, static_cast<int>(kItemNameBytes));
    grid->addWidget(Label(tr("ｱｲﾃﾑ名"), this), row, 0);
    grid->addWidget(name_, row, 1, 1, 3);
    ++row;

    kind_ = new QComboBox(this);
    for (const std::string& k : ItemKindNames()) kind_->addItem(CoreTextCp932(k));
    kind_->setCurrentIndex(-1);
    grid->addWidget(Label(tr("種別"), this), row, 0);
    grid->addWidget(kind_, row, 1, 1, 2);
    noDiscard_ = new QCheckBox(tr("廃棄・売却不可"), this);
    grid->addWidget(noDiscard_, row, 3);
    ++row;

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
    grid->addWidget(abilityBox, row, 0, 1, 4);
    ++row;

    health_ = new QComboBox(this);
    for (const std::string& h : HealthStateNames()) health_->addItem(CoreTextCp932(h));
    health_->setCurrentIndex(-1);
    grid->addWidget(Label(tr("健康状態"), this), row, 0);
    grid->addWidget(health_, row, 1, 1, 2);
    ++row;

    weapon_ = new QComboBox(this);
    weapon_->setMinimumContentsLength(16);
    weapon_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    showImage_ = NewPreviewBox(tr("画像表示"), this);
    grid->addWidget(Label(tr("武器ｱﾆﾒ"), this), row, 0);
    grid->addWidget(weapon_, row, 1, 1, 2);
    grid->addWidget(showImage_, row, 3);
    ++row;

    sound_ = new QComboBox(this);
    sound_->setMinimumContentsLength(16);
    sound_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    play_ = NewPreviewBox(tr("MIDI・WAVE再生"), this);
    grid->addWidget(Label(tr("効果音"), this), row, 0);
    grid->addWidget(sound_, row, 1, 1, 2);
    grid->addWidget(play_, row, 3);
    ++row;

    price_ = new NumberSpin(this);
    price_->setMinimumWidth(100);
    grid->addWidget(Label(tr("金額"), this), row, 0);
    grid->addWidget(price_, row, 1);
    ++row;

    description_ = new QPlainTextEdit(this);
    description_->setTabChangesFocus(true);
    description_->setMinimumHeight(80);
    grid->addWidget(Label(tr("説明"), this), row, 0, Qt::AlignTop);
    grid->addWidget(description_, row, 1, 1, 3);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
}

void ItemListEditor::OpenPreview() {
    OpenView(ViewMode::ItemAnimation);
    RefreshPreview();
}

void ItemListEditor::ShowSelection() {
    const int row = list_->selected();
    ShowRecord(row >= 0 ? list_->records()[static_cast<std::size_t>(row)] : ClearedItem());
}

void ItemListEditor::ShowRecord(const Item& item) {
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

void ItemListEditor::ApplyKind(int kind, bool clear) {
    const bool weapon = KindUsesWeaponAnimation(kind);
    weapon_->setEnabled(weapon);
    showImage_->setEnabled(weapon);
    if (!weapon && clear) weapon_->setCurrentIndex(-1);
    const bool health = KindUsesHealthState(kind);
    health_->setEnabled(health);
    if (!health && clear) health_->setCurrentIndex(-1);
}

void ItemListEditor::OnKindChosen() {
    ApplyKind(ComboIndexValue(kind_), true);
    RefreshPreview();
}

void ItemListEditor::RefreshPreview() {
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

std::optional<ItemForm> ItemListEditor::ReadForm() {
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

Item ItemListEditor::Collect(const ItemForm& form) const {
    KeptItemChoices kept;
    kept.noDiscard = CheckValue(noDiscard_);
    kept.weaponAsShown = weapon_->currentIndex() == shownWeaponRow_;
    kept.healthAsShown = health_->currentIndex() == shownHealthRow_;
    return CollectEditedItem(form, shown_, kept);
}

bool ItemListEditor::Refuse(ItemProblem problem, const ItemForm& form) {
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

void ItemListEditor::AddItem() {
    std::optional<ItemForm> form = ReadForm();
    if (!form || Refuse(CheckItemToAdd(*form), *form)) return;
    const int selected = list_->selected();
    list_->model().Append(Collect(*form));
    list_->model().Select(selected);
    list_->Refresh();
}

void ItemListEditor::UpdateItem() {
    const int row = list_->selected();
    if (row < 0) return;
    std::optional<ItemForm> form = ReadForm();
    if (!form || Refuse(CheckItemToUpdate(*form), *form)) return;
    const Item item = Collect(*form);
    list_->model().Replace(row, item);
    list_->Refresh();
    ShowRecord(item);
}

void ItemListEditor::Leave() {
    if (playOnSelect_) playOnSelect_->Stop();
    view().Close();
    view().SetMode(ViewMode::None);
}

void ItemListEditor::accept() {
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

int RunItemListEditor(EditorContext& context, QWidget* parent) {
    return RunUnlessUnreadable<ItemListEditor>(context, parent, kItemFile);
}

}  // namespace lw
