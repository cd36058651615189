#include "widgets/preview_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

#include "widgets/discard_guard.h"

namespace lw {

QCheckBox* NewPreviewBox(const QString& label, QWidget* parent) {
    auto* box = new QCheckBox(label, parent);
    DiscardGuard::IgnoreChangesOf(box);  // a preview: nothing saved
    return box;
}

void FitChoice(QComboBox* choice, int contents) {
    if (contents <= 0) return;
    choice->setMinimumContentsLength(contents);
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

QHBoxLayout* PreviewChoiceRow(QComboBox* choice, int contents, QCheckBox* box) {
    FitChoice(choice, contents);
    auto* row = new QHBoxLayout();
    row->addWidget(choice, 1);
    row->addWidget(box);
    return row;
}

}  // namespace lw
