#include "widgets/dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

#include "widgets/accessible_names.h"

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
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    NameControlsWhenShown(dialog);
    return {confirm, cancel};
}

}  // namespace lw
