#pragma once
// Labelled fields in a grid, `columns` label-and-field pairs a row, in reading order:
//   AddLabelledFields(grid, 2, {{tr("左上X座標"), left_}, {tr("左上Y座標"), top_}, {tr("幅"), width_}, ...});
// or in one row, left-aligned (the rest of the row stretches):
//   AddLabelledRow(row, {{tr("幅"), width_}, {tr("高さ"), height_}});
// The labels belong to the layout's widget.

#include <QString>
#include <initializer_list>
#include <utility>

class QBoxLayout;
class QGridLayout;
class QWidget;

namespace lw {

void AddLabelledFields(QGridLayout* grid, int columns, std::initializer_list<std::pair<QString, QWidget*>> fields);
void AddLabelledRow(QBoxLayout* row, std::initializer_list<std::pair<QString, QWidget*>> fields);

}  // namespace lw
