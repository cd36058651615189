#include "widgets/field_grid.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>

namespace lw {

void AddLabelledFields(QGridLayout* grid, int columns, std::initializer_list<std::pair<QString, QWidget*>> fields) {
    int i = 0;
    for (const auto& [label, field] : fields) {
        const int row = i / columns, column = (i % columns) * 2;
        grid->addWidget(new QLabel(label, grid->parentWidget()), row, column);
        grid->addWidget(field, row, column + 1);
        ++i;
    }
}

void AddLabelledRow(QBoxLayout* row, std::initializer_list<std::pair<QString, QWidget*>> fields) {
    for (const auto& [label, field] : fields) {
        row->addWidget(new QLabel(label, row->parentWidget()));
        row->addWidget(field);
    }
    row->addStretch(1);
}

}  // namespace lw
