#include "editors/events/flag_command_dialogs.h"
#include "app/language.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/events/command_context.h"
#include "editors/events/flag_chooser.h"
#include "widgets/dialog_buttons.h"
#include "widgets/read_guard.h"

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
    : QDialog(parent), context_(context), kind_(kind) {
    setWindowTitle(Caption(kind));
    auto* layout = new QVBoxLayout(this);
    const bool branch = kind == Kind::ConditionalBranch;
    if (branch) layout->addWidget(new QLabel(tr("もし"), this));
    flag_ = new FlagChooser(context.flags, branch ? FlagChooser::Explanation::ReadOnly : FlagChooser::Explanation::Editable,
                            this);
    flag_->AddUsagesButton(context.editor.project);
    layout->addWidget(flag_);

    if (branch || kind == Kind::SetFlag) {
        auto* row = new QHBoxLayout();
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
        auto* number = new QGroupBox(tr("数値"), this);
        auto* numberRow = new QHBoxLayout(number);
        value_ = NumberField(number);
        numberRow->addWidget(value_);
        row->addWidget(number);
        if (branch) row->addWidget(new QLabel(tr("ならば"), this));
        row->addStretch(1);
        layout->addLayout(row);
    }

    if (kind == Kind::ItemCountToFlag) {
        auto* box = new QGroupBox(tr("ｱｲﾃﾑ"), this);
        auto* row = new QHBoxLayout(box);
        item_ = new QComboBox(box);
        item_->setMinimumContentsLength(24);
        row->addWidget(item_, 1);
        layout->addWidget(box);
        const ReadStatus read = LoadItemChoices(context.editor.project, kAnyItemKind, items_);
        if (ReportUnreadable(context.editor, parent, kItemFile, read)) usable_ = false;
        for (const ItemChoice& choice : items_) item_->addItem(FromCp932(choice.name));
        item_->setCurrentIndex(-1);
    }

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);
}

void FlagCommandDialog::Refuse(const QString& text) {
    if (context_.editor.services)
        context_.editor.services->ShowMessage(this, Message{.text = text, .icon = MessageIcon::Warning});
}

int FlagCommandDialog::Value() const { return value_ ? value_->text().toInt() : 0; }

void FlagCommandDialog::accept() {
    flag_->StoreExplanation();
    const int flag = flag_->flag();
    if (flag < 0) return Refuse(tr("ﾌﾗｸﾞ番号を選択してください"));
    switch (kind_) {
        case Kind::ConditionalBranch:
            if (operator_->currentIndex() < 0) return Refuse(tr("不等号を選択してください"));
            line_ = BuildConditionalBranch(flag, static_cast<FlagComparison>(operator_->currentIndex()), Value());
            break;
        case Kind::SetFlag:
            if (operator_->currentIndex() < 0) return Refuse(tr("符号を選択してください"));
            line_ = BuildSetFlag(flag, static_cast<FlagOperation>(operator_->currentIndex()), Value());
            break;
        case Kind::ItemCountToFlag: {
            const int row = item_->currentIndex();
            if (row < 0 || row >= static_cast<int>(items_.size())) return Refuse(tr("ｱｲﾃﾑを選択してください"));
            line_ = BuildItemCountToFlag(flag, items_[static_cast<std::size_t>(row)].index);
            break;
        }
        case Kind::LevelToFlag: line_ = BuildLevelToFlag(flag); break;
        case Kind::MoneyToFlag: line_ = BuildMoneyToFlag(flag); break;
    }
    done(QDialog::Accepted);
}

void FlagCommandDialog::reject() {
    flag_->StoreExplanation();
    done(QDialog::Rejected);
}

namespace {

std::optional<std::string> RunFlagDialog(CommandContext& context, FlagCommandDialog::Kind kind, QWidget* parent) {
    FlagCommandDialog dialog(context, kind, parent);
    if (!dialog.usable()) return std::nullopt;
    return RunForLine(dialog);
}

}  // namespace

std::optional<std::string> RunConditionalBranchDialog(CommandContext& context, QWidget* parent) {
    return RunFlagDialog(context, FlagCommandDialog::Kind::ConditionalBranch, parent);
}
std::optional<std::string> RunSetFlagDialog(CommandContext& context, QWidget* parent) {
    return RunFlagDialog(context, FlagCommandDialog::Kind::SetFlag, parent);
}
std::optional<std::string> RunItemCountToFlagDialog(CommandContext& context, QWidget* parent) {
    return RunFlagDialog(context, FlagCommandDialog::Kind::ItemCountToFlag, parent);
}
std::optional<std::string> RunLevelToFlagDialog(CommandContext& context, QWidget* parent) {
    return RunFlagDialog(context, FlagCommandDialog::Kind::LevelToFlag, parent);
}
std::optional<std::string> RunMoneyToFlagDialog(CommandContext& context, QWidget* parent) {
    return RunFlagDialog(context, FlagCommandDialog::Kind::MoneyToFlag, parent);
}

}  // namespace lw
