// The command dialogs built around an event flag (FlagChooser):
//
//   ConditionalBranch  "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(条件分岐)": "もし" flag (explanation read-only), comparison
//                      "＝" "≠" "＜" "＞" "≦" "≧", "数値", "ならば"       -> "? flag%d %s %d"
//   SetFlag            "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾌﾗｸﾞに数値を設定)": flag, "= (代入)" "+ (加算)" "- (減算)",
//                      "数値"                                               -> "flag%d %s %d"
//   ItemCountToFlag    "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定)": flag, "ｱｲﾃﾑ" -> "num_item flag%d item%d"
//   LevelToFlag        "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)": flag                     -> "num_level flag%d"
//   MoneyToFlag        "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)": flag                     -> "num_money flag%d"
//
// Except in the branch, the flag's explanation can be edited and goes into the flag explanation
// table at once (a Cancel keeps it too). Nothing is chosen at first; OK asks for what is missing
// ("ﾌﾗｸﾞ番号を選択してください", "不等号を選択してください", "符号を選択してください",
// "ｱｲﾃﾑを選択してください") and stays open. The number takes digits only (at most nine: the game
// reads it as a plain integer); empty is 0.
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <vector>

#include "app/editor_context.h"
#include "app/language.h"
#include "app/services.h"
#include "core/rules/items.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "editors/events/flag_chooser.h"
#include "widgets/record_names_ui.h"

namespace lw {
namespace {

using Kind = EventCommandKind;

QString Caption(Kind kind) {
    switch (kind) {
        case Kind::ConditionalBranch: return QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(条件分岐)");
        case Kind::SetFlag: return QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾌﾗｸﾞに数値を設定)");
        case Kind::ItemCountToFlag: return QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定)");
        default: return QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)");
    }
}

QLineEdit* NumberField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), field));
    field->setMaximumWidth(120);
    return field;
}

class FlagCommandDialog : public CommandDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::FlagCommandDialog)
public:
    FlagCommandDialog(CommandContext& context, Kind kind, QWidget* parent)
        : CommandDialog(context.editor, Caption(kind), parent), kind_(kind) {
        const bool branch = kind == Kind::ConditionalBranch;
        if (branch) body()->addWidget(new QLabel(tr("もし"), this));
        flag_ = new FlagChooser(context.flags,
                                branch ? FlagChooser::Explanation::ReadOnly : FlagChooser::Explanation::Editable, this);
        flag_->AddUsagesButton(context.editor.project);
        flag_->AddUnusedFilter(context.editor.project);
        body()->addWidget(flag_);

        if (branch || kind == Kind::SetFlag) {
            QHBoxLayout* row = AddLine();
            operator_ = new QComboBox(this);
            if (branch) {
                for (int i = 0; i < kFlagComparisonCount; ++i)
                    operator_->addItem(CoreText(FlagComparisonLabel(static_cast<FlagComparison>(i))));
            } else {
                for (int i = 0; i < kFlagOperationCount; ++i)
                    operator_->addItem(CoreText(FlagOperationLabel(static_cast<FlagOperation>(i))));
            }
            operator_->setCurrentIndex(-1);
            operator_->setMinimumContentsLength(8);
            // It has no label of its own: the screen reader hears what it chooses.
            operator_->setAccessibleName(branch ? tr("不等号") : tr("符号"));
            row->addWidget(operator_);
            QGroupBox* number = AddBox(tr("数値"), row);
            value_ = NumberField(number);
            Row(number)->addWidget(value_);
            if (branch) row->addWidget(new QLabel(tr("ならば"), this));
            row->addStretch(1);
        }

        if (kind == Kind::ItemCountToFlag) {
            NeedList(kItemFile, LoadItemChoices(context.editor.project, kAnyItemKind, items_));
            item_ = AddChoice(tr("ｱｲﾃﾑ"), 24, ItemChoiceTexts(names(), items_));
        }
        AddButtons();
    }

private:
    std::optional<std::string> Build() override {
        flag_->StoreExplanation();
        const int flag = flag_->flag();
        if (flag < 0) return Refuse(tr("ﾌﾗｸﾞ番号を選択してください"));
        const int value = value_ ? value_->text().toInt() : 0;
        switch (kind_) {
            case Kind::ConditionalBranch:
                if (operator_->currentIndex() < 0) return Refuse(tr("不等号を選択してください"));
                return BuildConditionalBranch(flag, static_cast<FlagComparison>(operator_->currentIndex()), value);
            case Kind::SetFlag:
                if (operator_->currentIndex() < 0) return Refuse(tr("符号を選択してください"));
                return BuildSetFlag(flag, static_cast<FlagOperation>(operator_->currentIndex()), value);
            case Kind::ItemCountToFlag: {
                const int row = item_->currentIndex();
                if (row < 0 || row >= static_cast<int>(items_.size())) return Refuse(tr("ｱｲﾃﾑを選択してください"));
                return BuildItemCountToFlag(flag, items_[static_cast<std::size_t>(row)].index);
            }
            case Kind::LevelToFlag: return BuildLevelToFlag(flag);
            default: return BuildMoneyToFlag(flag);
        }
    }
    // An explanation being typed is kept in the table on Cancel too.
    void Leave() override { flag_->StoreExplanation(); }

    Kind kind_;
    std::vector<ItemChoice> items_;
    FlagChooser* flag_;
    QComboBox* operator_ = nullptr;
    QLineEdit* value_ = nullptr;
    QComboBox* item_ = nullptr;
};

}  // namespace

std::optional<std::string> RunFlagCommand(CommandContext& context, EventCommandKind kind, QWidget* parent) {
    return RunCommandDialog<FlagCommandDialog>(context, kind, parent);
}

}  // namespace lw
