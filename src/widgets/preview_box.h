#pragma once
// The check boxes that only preview what a dialog edits ("表示" shows the picture, "再生" plays the
// sound): checking them changes nothing that is saved, so the discard question ignores them.

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QString;
class QWidget;

namespace lw {

QCheckBox* NewPreviewBox(const QString& label, QWidget* parent);

// A drop-down of files at least `contents` characters wide (0: as it is).
void FitChoice(QComboBox* choice, int contents);

// A row of a file drop-down (fitted to `contents`, taking the width) followed by its preview box.
QHBoxLayout* PreviewChoiceRow(QComboBox* choice, int contents, QCheckBox* box);

}  // namespace lw
