#include "widgets/field_grid.h"

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

}  // namespace lw
