#pragma once
// A property editor's drawing group, multi-line field and "MIDI・WAVE再生" box, found in `editor`
// (a PropertyEditor or a dialog holding one, by pointer or smart pointer); and the walk of an
// author looking through every row, entering and leaving each field without typing.

#include <QCheckBox>
#include <QPlainTextEdit>

#include "widgets/drawing_group.h"
#include "widgets/number_spin.h"
#include "widgets/property_editor.h"

namespace lw::test {

template <class P>
DrawingGroup* Drawing(const P& editor) { return editor->template findChild<DrawingGroup*>(); }
template <class P>
QPlainTextEdit* LongText(const P& editor) { return editor->template findChild<QPlainTextEdit*>(); }
template <class P>
QCheckBox* PlayBox(const P& editor) {
    for (QCheckBox* box : editor->template findChildren<QCheckBox*>())
        if (box->text() == QStringLiteral("MIDI・WAVE再生")) return box;
    return nullptr;
}

inline void EnterAndLeaveEveryField(PropertyEditor* p) {
    const DrawingGroup* drawing = Drawing(p);
    for (int row = 0; row < p->rowCount(); ++row) {
        p->SelectRow(row);
        for (QWidget* w : std::initializer_list<QWidget*>{p->textEdit(), LongText(p), p->numberSpin(), drawing->redSpin(),
                                                         drawing->greenSpin(), drawing->blueSpin()}) {
            if (!w->isEnabled()) continue;
            w->setFocus();
            p->labelList()->setFocus();
        }
    }
}

}  // namespace lw::test
