#include "widgets/dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

#include "widgets/accessible_names.h"
#include "widgets/discard_guard.h"
#include "widgets/list_filter.h"

namespace lw {

std::pair<QPushButton*, QPushButton*> AddDialogButtons(QDialog* dialog, QBoxLayout* row, const QString& confirmLabel) {
    auto* confirm = new QPushButton(confirmLabel, dialog);
    confirm->setDefault(true);
    auto* cancel = new QPushButton(QObject::tr("ｷｬﾝｾﾙ"), dialog);
    cancel->setAutoDefault(false);
    row->addStretch(1);
    row->addWidget(confirm);
    row->addWidget(cancel);
    QObject::connect(confirm, &QPushButton::clicked, dialog, &QDialog::accept);
    // Cancelling a dialog whose values the author changed asks first; Escape and the close box
    // are asked about by the guard itself.
    if (DiscardGuard::Of(dialog) == nullptr) new DiscardGuard(dialog);
    QObject::connect(cancel, &QPushButton::clicked, dialog, [dialog] {
        if (DiscardGuard::MayDiscard(dialog)) dialog->reject();
    });
    // Installed first, so that it runs after the naming and names each filter box by its drop-down.
    FilterLongChoosersWhenShown(dialog);
    NameControlsWhenShown(dialog);
    return {confirm, cancel};
}

}  // namespace lw
