#pragma once
// The property editor as the author drives it: a row chosen by its label in the "項目" list, then
// the row's field, which carries the row's label as its name.
//
//   Enter(Property<QSpinBox>(dialog, "攻撃力"), 12);

#include <QListWidget>

#include "support/qt/named.h"

namespace lw::test {

// Selects the row labelled `label` in the property editor of `dialog`.
inline void SelectProperty(QWidget* dialog, const QString& label) {
    auto* rows = NamedControl<QListWidget>(dialog, "項目");
    const QList<QListWidgetItem*> found = rows != nullptr ? rows->findItems(label, Qt::MatchExactly) : QList<QListWidgetItem*>{};
    ASSERT_EQ(found.size(), 1) << label.toStdString();
    rows->setCurrentItem(found[0]);
}

// The field of the row labelled `label`, as a W, once the row is selected.
template <class W>
W* Property(QWidget* dialog, const QString& label) {
    SelectProperty(dialog, label);
    return NamedControl<W>(dialog, label);
}

}  // namespace lw::test
