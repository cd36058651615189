#pragma once
// The confirming button (the default: "OK", "次へ", ...) and "ｷｬﾝｾﾙ" that close every editor
// dialog, placed at the right end of a row and wired to the dialog's accept() and reject(). The
// dialog's controls are given accessible names from their labels whenever it is shown
// (widgets/accessible_names.h).
// The dialog gets a DiscardGuard: cancelling it after a change asks "変更を破棄しますか？" first.

#include <QString>
#include <utility>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace lw {

// Returns the confirming button and "ｷｬﾝｾﾙ":  std::tie(ok_, cancel_) = AddDialogButtons(this, row);
std::pair<QPushButton*, QPushButton*> AddDialogButtons(QDialog* dialog, QBoxLayout* row, const QString& confirmLabel = QStringLiteral("OK"));

}  // namespace lw
