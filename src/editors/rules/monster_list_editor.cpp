#include "editors/rules/monster_list_editor.h"
#include "core/text/ui_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/audio_lists.h"
#include "core/rules/monsters.h"
#include "core/tagfile/record_format.h"
#include "previews/image_view.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/property_dialog.h"
#include "widgets/read_guard.h"
#include "widgets/number_spin.h"
#include "widgets/preview_list_editor.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/property_editor.h"

namespace lw {

namespace {

const char* const kAbilityLabels[kMonsterAbilityCount] = {LW_UI_TEXT("lw", "敏捷度"),   LW_UI_TEXT("lw", "回避力"),     LW_UI_TEXT("lw", "攻撃力"),     LW_UI_TEXT("lw", "魔力"),
                                                          LW_UI_TEXT("lw", "肉体防御力"), LW_UI_TEXT("lw", "精神防御力"), LW_UI_TEXT("lw", "最大生命点"), LW_UI_TEXT("lw", "最大精神点")};

// Names and picture files are one token each on the monster line.
std::string RefuseBlank(const std::string& cp932, const char* message) {
    if (CheckTokenField(cp932) == FieldProblem::HasBlank) return message;
    return {};
}

// A rate edited as a whole percent; 0 and disabled while no special attack is set.
PropertyRow RateRow(std::string label, float& rate, const int& kind) {
    PropertyRow r;
    r.label = std::move(label);
    r.kind = RowKind::Number;
    r.range = {0, kMonsterRateMax};
    r.unit = "%";
    r.getNumber = [&rate, &kind] { return SpecialUsesRates(kind) ? WholePercent(rate) : 0; };
    r.setNumber = [&rate](int v) { rate = static_cast<float>(v); };
    r.enabled = [&kind] { return SpecialUsesRates(kind); };
    return r;
}

// The property rows of a monster, bound to `m`, with the ranges of the settings.
std::vector<PropertyRow> MonsterRows(Monster& m, int abilityMax, const std::string& currencyUtf8) {
    const NumberRange ability{0, std::max(abilityMax, 0)};
    std::vector<PropertyRow> rows;
    PropertyRow name = TextRow(LW_UI_TEXT("lw", "怪物名"), m.name, kMonsterNameBytes);
    name.refuseText = [](const std::string& v) { return RefuseBlank(v, LW_UI_TEXT("lw", "怪物名に空白は使えません")); };
    rows.push_back(std::move(name));
    const auto& fields = MonsterAbilityFields();
    for (int i = 0; i < kMonsterAbilityCount; ++i) {
        rows.push_back(NumberRow(kAbilityLabels[i], m.*fields[static_cast<std::size_t>(i)], ability, ""));
    }
    PropertyRow experience = NumberRow(LW_UI_TEXT("lw", "経験点"), m.experience, {0, kMonsterRewardMax}, "");
    experience.step = 10;
    rows.push_back(std::move(experience));
    PropertyRow money = NumberRow(LW_UI_TEXT("lw", "所持金"), m.money, {0, kMonsterRewardMax}, currencyUtf8);
    money.step = 10;
    rows.push_back(std::move(money));
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "特殊攻撃種別"), m.specialKind, {LW_UI_TEXT("lw", "なし"), LW_UI_TEXT("lw", "毒"), LW_UI_TEXT("lw", "睡眠")}));
    rows.push_back(RateRow(LW_UI_TEXT("lw", "特殊攻撃率"), m.specialRate, m.specialKind));
    rows.push_back(RateRow(LW_UI_TEXT("lw", "特殊攻撃成功率"), m.specialSuccess, m.specialKind));
    PropertyRow damage = NumberRow(LW_UI_TEXT("lw", "特殊攻撃ﾀﾞﾒｰｼﾞ"), m.specialDamage, ability, "");
    damage.getNumber = [&m] { return SpecialUsesDamage(m.specialKind) ? m.specialDamage : 0; };
    damage.enabled = [&m] { return SpecialUsesDamage(m.specialKind); };
    rows.push_back(std::move(damage));
    rows.push_back(ChoiceRow(LW_UI_TEXT("lw", "通常攻撃種別"), m.normalKind, {LW_UI_TEXT("lw", "武器"), LW_UI_TEXT("lw", "魔法")}));
    rows.push_back(ListRow(LW_UI_TEXT("lw", "通常攻撃効果音"), RowKind::Sound, m.normalSound));

    // The picture: its drawing fields are separate numbers in the record.
    PropertyRow picture;
    picture.label = LW_UI_TEXT("lw", "怪物画像");
    picture.kind = RowKind::Image;
    picture.textBytes = kMonsterPictureBytes;
    picture.getText = [&m] { return m.picture; };
    picture.setText = [&m](const std::string& v) { m.picture = v; };
    picture.getSpec = [&m] { return DrawSpec{m.drawMode, m.keyOn, Rgb{m.keyRed, m.keyGreen, m.keyBlue}}; };
    picture.setSpec = [&m](const DrawSpec& s) {
        m.drawMode = s.mode;
        m.keyOn = s.keyOn;
        m.keyRed = s.key.red;
        m.keyGreen = s.key.green;
        m.keyBlue = s.key.blue;
    };
    picture.refuseText = [](const std::string& v) { return RefuseBlank(v, LW_UI_TEXT("lw", "画像ﾌｧｲﾙ名に空白は使えません")); };
    rows.push_back(std::move(picture));
    return rows;
}

// "ﾌｫｰｶｽ座標": the monster picture with the battle focus picture drawn at the point.
class MonsterFocusDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    MonsterFocusDialog(EditorContext& context, Monster& monster, QWidget* parent)
        : PreviewStepDialog(context, parent), monster_(monster) {
        setWindowTitle(tr("ﾌｫｰｶｽ座標"));
        ImageView& v = view();
        v.LoadMainImage(monster_.picture);
        const int halfW = v.state().main.width / 2;
        const int halfH = v.state().main.height / 2;
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout();
        x_ = new NumberSpin(this);
        y_ = new NumberSpin(this);
        x_->setRange(-halfW, halfW);
        y_->setRange(-halfH, halfH);
        LoadSpin(x_, monster_.focusX);
        LoadSpin(y_, monster_.focusY);
        grid->addWidget(new QLabel(QStringLiteral("X"), this), 0, 0);
        grid->addWidget(x_, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Y"), this), 1, 0);
        grid->addWidget(y_, 1, 1);
        layout->addLayout(grid);
        auto* buttons = new QHBoxLayout();
        AddButtons(buttons);
        layout->addLayout(buttons);
        connect(x_, &QSpinBox::valueChanged, this, [this] { Redraw(); });
        connect(y_, &QSpinBox::valueChanged, this, [this] { Redraw(); });
        connect(&v, &ImageView::pointPicked, this, [this](QWidget* owner, QPoint p) {
            if (owner != this) return;
            x_->setValue(p.x());
            y_->setValue(p.y());
        });
    }

public slots:
    void accept() override {
        monster_.focusX = SpinValue(x_);
        monster_.focusY = SpinValue(y_);
        LeaveAccepted();
    }

private:
    void OpenPreview() override {
        ImageView& v = view();
        v.Open(this);
        v.SetMode(ViewMode::FocusPoint, this);
        v.LoadMainImage(monster_.picture);
        v.LoadSecondImage(context_.settings.focusImage);
        v.state().overlaySpec = context_.settings.focusSpec;
        Redraw();
        if (v.state().main.exists()) {
            v.FitViewToImage(this);
            v.Show();
        }
    }
    void Redraw() {
        ImageView& v = view();
        v.state().overlayX = SpinValue(x_);
        v.state().overlayY = SpinValue(y_);
        v.Repaint();
    }

    Monster& monster_;
    QSpinBox* x_;
    QSpinBox* y_;
};

// "怪物ﾘｽﾄ2": one monster in the property editor. Ends with 1 when the focus dialog was confirmed.
class MonsterPropertyDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    MonsterPropertyDialog(EditorContext& context, Monster& monster, QWidget* parent)
        : PreviewStepDialog(context, parent), monster_(monster) {
        setWindowTitle(tr("怪物ﾘｽﾄ2"));
        const PropertyDialogParts parts = AddPropertyEditor(
            this, context_,
            MonsterRows(monster_, context_.settings.abilityMax, FromCp932(context_.settings.currencyName).toStdString()),
            {.options = {.keyColourFollowsKeyFlag = true},
             .lists = {{RowKind::Sound, LoadTableNames(context_.project, AudioList::Sound)}},
             .confirmLabel = tr("次へ"),
             .preview = [this](int row) { ShowPreview(row); },
             .pickColours = true});
        properties_ = parts.properties;
        ok_ = parts.confirm;
        cancel_ = parts.cancel;
    }

public slots:
    // "次へ": stores the fields and runs the focus dialog; its OK ends this dialog with success.
    void accept() override {
        properties_->Commit();
        // The name and the picture are one token each in the middle of the line: left empty, the
        // fields after them would be read one place too early.
        QString missing;
        if (monster_.name.empty()) missing = tr("怪物名を入力してください");
        else if (monster_.picture.empty()) missing = tr("怪物画像を選択してください");
        if (!missing.isEmpty()) {
            Inform(context_, this, missing);
            return;
        }
        properties_->StopPlayback();
        ImageView& v = view();
        v.Hide();
        MonsterFocusDialog focus(context_, monster_, this);
        const int result = focus.exec();
        // Back here: the preview is this dialog's again.
        v.Open(this);
        v.SetMode(ViewMode::MonsterColour, this);
        if (result == QDialog::Accepted) {
            LeaveAccepted();
            return;
        }
        ShowPreview(properties_->currentRow());
    }

private:
    void OpenPreview() override {
        ImageView& v = view();
        v.Open(this);
        v.SetMode(ViewMode::MonsterColour, this);
        ShowPreview(properties_->currentRow());
    }
    void ShowPreview(int row) {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        if (row < 0 || row >= properties_->rowCount() || properties_->row(row).kind != RowKind::Image) {
            v.Hide();
            return;
        }
        v.SetCursorShape(Qt::CrossCursor);
        v.ShowOrHideComboImage(this, properties_->choice(), properties_->showImage());
    }
    void Leave() override {
        properties_->StopPlayback();
        ImageView& v = view();
        v.Close();
        v.SetMode(ViewMode::None);
    }

    Monster& monster_;
    PropertyEditor* properties_;
};

// "怪物ﾘｽﾄ1": a list editor with the preview (widgets/preview_list_editor.h); "表示" shows the
// selected monster's picture.
class MonsterListEditor : public PreviewListEditor<Monster> {
    Q_OBJECT
public:
    MonsterListEditor(EditorContext& context, QWidget* parent)
        : PreviewListEditor(context, {tr("怪物ﾘｽﾄ1"), RefTarget::Monster, {240, 280}, ViewMode::None, false},
                            {kMonsterFile, LoadMonsterList, SaveMonsterList, MonsterListBytes},
                            [](const Monster& m) { return QStringList{FromCp932(m.name)}; }, parent) {
        LoadGameSettings(context_.project, context_.settings);
        // The preview is closed meanwhile, so that "怪物ﾘｽﾄ2" opens it in its own mode (picking the
        // key colour from the picture).
        OnEditStep([this](Monster& m, bool) {
            return RunStep([&] {
                MonsterPropertyDialog dialog(context_, m, this);
                return dialog.exec() == QDialog::Accepted;
            });
        });
        Load();
    }

private:
    void ShowSelection() override {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        const Monster* monster = selectedRecord();
        if (!showChecked() || monster == nullptr) {
            v.Hide();
            return;
        }
        if (v.ShowImageByName(this, FromCp932(monster->picture)) && v.state().main.exists()) {
            v.SetCaption(FromCp932(monster->picture));
            v.Show();
        } else {
            v.Hide();
        }
    }
};

}  // namespace

int RunMonsterListEditor(EditorContext& context, QWidget* parent) {
    return RunPreviewList<MonsterListEditor>(context, parent);
}

}  // namespace lw

#include "monster_list_editor.moc"
