#include "editors/events/flag_command_dialogs.h"
#include "app/language.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/events/command_context.h"
#include "widgets/record_names_ui.h"
#include "editors/events/flag_chooser.h"

namespace lw {
namespace {

QString Caption(FlagCommandDialog::Kind kind) {
    switch (kind) {
        case FlagCommandDialog::Kind::ConditionalBranch: return QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(条件分岐)");
        case FlagCommandDialog::Kind::SetFlag: return QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ﾌﾗｸﾞに数値を設定)");
        case FlagCommandDialog::Kind::ItemCountToFlag: return QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(ｱｲﾃﾑ所持数をﾌﾗｸﾞに設定)");
        case FlagCommandDialog::Kind::LevelToFlag:
        case FlagCommandDialog::Kind::MoneyToFlag: return QObject::tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(所持金額を設定)");
    }
    return {};
}

QLineEdit* NumberField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), field));
    field->setMaximumWidth(120);
    return field;
}

}  // namespace

FlagCommandDialog::FlagCommandDialog(CommandContext& context, Kind kind, QWidget* parent)
    : CommandDialog(context.editor, Caption(kind), parent), kind_(kind) {
    const bool branch = kind == Kind::ConditionalBranch;
    if (branch) body()->addWidget(new QLabel(tr("もし"), this));
    flag_ = new FlagChooser(context.flags, branch ? FlagChooser::Explanation::ReadOnly : FlagChooser::Explanation::Editable,
                            this);
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

int FlagCommandDialog::Value() const { return value_ ? value_->text().toInt() : 0; }

std::optional<std::string> FlagCommandDialog::Build() {
    flag_->StoreExplanation();
    const int flag = flag_->flag();
    if (flag < 0) return Refuse(tr("ﾌﾗｸﾞ番号を選択してください"));
    switch (kind_) {
        case Kind::ConditionalBranch:
            if (operator_->currentIndex() < 0) return Refuse(tr("不等号を選択してください"));
            return BuildConditionalBranch(flag, static_cast<FlagComparison>(operator_->currentIndex()), Value());
        case Kind::SetFlag:
            if (operator_->currentIndex() < 0) return Refuse(tr("符号を選択してください"));
            return BuildSetFlag(flag, static_cast<FlagOperation>(operator_->currentIndex()), Value());
        case Kind::ItemCountToFlag: {
            const int row = item_->currentIndex();
            if (row < 0 || row >= static_cast<int>(items_.size())) return Refuse(tr("ｱｲﾃﾑを選択してください"));
            return BuildItemCountToFlag(flag, items_[static_cast<std::size_t>(row)].index);
        }
        case Kind::LevelToFlag: return BuildLevelToFlag(flag);
        case Kind::MoneyToFlag: return BuildMoneyToFlag(flag);
    }
    return std::nullopt;
}

void FlagCommandDialog::Leave() { flag_->StoreExplanation(); }

}  // namespace lw
