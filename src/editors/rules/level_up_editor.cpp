#include "editors/rules/level_up_editor.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>
#include <memory>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/rules/levels.h"
#include "core/tagfile/record_format.h"
#include "widgets/cp932_validator.h"
#include "widgets/dialog_buttons.h"
#include "widgets/kept_value.h"
#include "widgets/list_editor.h"
#include "widgets/read_guard.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

class LevelUpEditor : public QDialog {
    Q_OBJECT
public:
    LevelUpEditor(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
        setWindowTitle(tr("ﾚﾍﾞﾙｱｯﾌﾟの能力値上昇"));
        auto* layout = new QVBoxLayout(this);

        auto* guidanceRow = new QHBoxLayout();
        guidance_ = new QLineEdit(this);
        LimitToCp932(guidance_, static_cast<int>(kGuidanceBytes));
        guidanceRow->addWidget(new QLabel(tr("案内文"), this));
        guidanceRow->addWidget(guidance_, 1);
        layout->addLayout(guidanceRow);

        auto* panel = new ListEditorPanel({}, this);
        panel->view()->setMinimumSize(340, 200);
        QPushButton* update = panel->AddButton(tr("更新"), ListEditorPanel::Enable::WithSelection);
        layout->addWidget(panel, 1);

        auto* fields = new QGridLayout();
        name_ = new QLineEdit(this);
        LimitToCp932(name_, static_cast<int>(kGrowthNameBytes));
        fields->addWidget(new QLabel(tr("型名"), this), 0, 0);
        fields->addWidget(name_, 0, 1, 1, 3);
        // The increases in file order, two to a row.
        const std::array<QString, kGrowthValueCount> labels = {tr("敏捷度"), tr("回避力"),     tr("攻撃力"), tr("肉体防御力"),
                                                                tr("魔力"),   tr("魔法防御力"), tr("生命点"), tr("精神点")};
        // The basic settings give the largest increase.
        LoadGameSettings(context_.project, context_.settings);
        const int abilityMax = std::max(context_.settings.abilityMax, 0);
        for (int i = 0; i < kGrowthValueCount; ++i) {
            auto* spin = new NumberSpin(this);
            spin->setRange(0, abilityMax);
            values_[static_cast<std::size_t>(i)] = spin;
            const int row = 1 + i / 2;
            const int column = (i % 2) * 2;
            fields->addWidget(new QLabel(labels[static_cast<std::size_t>(i)], this), row, column);
            fields->addWidget(spin, row, column + 1);
        }
        fields->setColumnStretch(1, 1);
        fields->setColumnStretch(3, 1);
        layout->addLayout(fields);

        auto* buttonRow = new QHBoxLayout();
        AddDialogButtons(this, buttonRow);
        layout->addLayout(buttonRow);

        list_ = std::make_unique<ListEditor<GrowthType>>(
            panel, [](const GrowthType& t) { return QStringList{FromCp932(GrowthRowText(t))}; });
        list_->OnAdd([this] { return Collect(); });
        list_->OnSelectionChanged([this](int) { ShowSelection(); });
        list_->OnChanged([this] { ShowSelection(); });
        connect(update, &QPushButton::clicked, this, [this] {
            const int row = list_->selected();
            if (row < 0) return;
            std::optional<GrowthType> t = Collect();
            if (!t) return;
            list_->model().Replace(row, std::move(*t));
            list_->Refresh();
        });

        GrowthList list;
        loadStatus_ = LoadGrowthList(context_.project, list);
        LoadText(guidance_, list.guidance);
        list_->SetRecords(std::move(list.types));
    }

    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes level_ability_list.txt with the guidance (unless the file could not be read) and
    // closes with 1 whatever the write returned.
    void accept() override {
        // Something could not be written: the editor stays open with the author's work.
        if (SaveUnlessUnreadable(context_, this, loadStatus_, [this](SaveUi& ui) {
                SaveGrowthList(context_.project, GrowthList{list_->records(), TextValue(guidance_)}, ui);
            }))
            done(QDialog::Accepted);
    }

private:
    void ShowSelection() {
        const int row = list_->selected();
        if (row < 0) return;
        const GrowthType& t = list_->records()[static_cast<std::size_t>(row)];
        LoadText(name_, t.name);
        const auto fields = GrowthValueFields();
        for (std::size_t i = 0; i < fields.size(); ++i) LoadSpin(values_[i], t.*fields[i]);
    }

    // The record the fields hold, or nullopt (after telling the author) when the name cannot be
    // stored.
    std::optional<GrowthType> Collect() {
        GrowthType t;
        t.name = TextValue(name_);
        // The name is one token of its line: an empty one or one with a blank would shift the numbers.
        switch (CheckTokenField(t.name)) {
        case FieldProblem::None: break;
        case FieldProblem::Empty:
            Inform(context_, this, tr("型名がありません"));
            return std::nullopt;
        case FieldProblem::HasBlank:
            Inform(context_, this, tr("型名に空白は使えません"));
            return std::nullopt;
        }
        // The spins keep typed numbers within 0 .. the maximum ability value; a value shown from the
        // file and left alone is kept as it was.
        const auto fields = GrowthValueFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            values_[i]->interpretText();
            t.*fields[i] = SpinValue(values_[i]);
        }
        return t;
    }

    EditorContext& context_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    QLineEdit* guidance_;
    std::unique_ptr<ListEditor<GrowthType>> list_;
    QLineEdit* name_;
    // In file order: 敏捷度, 回避力, 攻撃力, 肉体防御力, 魔力, 魔法防御力, 生命点, 精神点.
    std::array<QSpinBox*, kGrowthValueCount> values_{};
};

}  // namespace

int RunLevelUpEditor(EditorContext& context, QWidget* parent) {
    return RunUnlessUnreadable<LevelUpEditor>(context, parent, kLevelAbilityFile);
}

}  // namespace lw

#include "level_up_editor.moc"
