#pragma once
// The property editor as the author drives it: a row chosen by its label in the "項目" list, then
// the row's field, which carries the row's label as its name:
//
//   Enter(Property<QSpinBox>(dialog, "攻撃力"), 12);
//
// Its drawing group, multi-line field, "画像表示" and "MIDI・WAVE再生" boxes, found in `editor` (a
// PropertyEditor or a dialog holding one, by pointer or smart pointer); and the walk of an author
// looking through every row, entering and leaving each field without typing.

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "support/qt/named.h"
#include "widgets/drawing_group.h"
#include "widgets/number_spin.h"
#include "widgets/property_editor.h"

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

template <class P>
DrawingGroup* Drawing(const P& editor) { return editor->template findChild<DrawingGroup*>(); }
template <class P>
QPlainTextEdit* LongText(const P& editor) { return editor->template findChild<QPlainTextEdit*>(); }
// The check box of `editor` showing `text`, shown or not.
template <class P>
QCheckBox* BoxOf(const P& editor, const QString& text) {
    for (QCheckBox* box : editor->template findChildren<QCheckBox*>())
        if (box->text() == text) return box;
    ADD_FAILURE() << "no check box " << text.toStdString();
    return nullptr;
}
template <class P>
QCheckBox* PlayBox(const P& editor) { return BoxOf(editor, QCoreApplication::translate("lw::PropertyEditor", "MIDI・WAVE再生")); }
template <class P>
QCheckBox* ShowImageBox(const P& editor) { return BoxOf(editor, QCoreApplication::translate("lw::PropertyEditor", "画像表示")); }

inline void EnterAndLeaveEveryField(PropertyEditor* p) {
    const DrawingGroup* drawing = Drawing(p);
    for (int row = 0; row < p->rowCount(); ++row) {
        p->SelectRow(row);
        // The row's own field carries the row's label as its name.
        const QString label = p->labelList()->item(row)->text();
        QList<QWidget*> fields = {drawing->redSpin(), drawing->greenSpin(), drawing->blueSpin()};
        for (QWidget* w : AllNamed<QLineEdit>(p, label)) fields << w;
        for (QWidget* w : AllNamed<QPlainTextEdit>(p, label)) fields << w;
        for (QWidget* w : AllNamed<QSpinBox>(p, label)) fields << w;
        for (QWidget* w : fields) {
            if (!w->isEnabled()) continue;
            w->setFocus();
            p->labelList()->setFocus();
        }
    }
}

}  // namespace lw::test
