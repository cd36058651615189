#pragma once
// Drop-downs of the effect animation editors and of every editor that offers an animation choice.

#include <string>

#include "core/media/effect_animation.h"

class QComboBox;

namespace lw {

// Empties `combo`, adds one item per table record (its name, or its image file when the name is
// empty) and selects `selection` (none when it is not a row of the table).
void AddEffectComboItems(QComboBox* combo, const EffectTable& table, int selection);

// Empties `combo` and adds the files of the project's image folder, sorted, each shown as text and
// carrying its CP932 name; nothing is chosen.
void FillImageFileCombo(QComboBox* combo, const Project& project);
// The CP932 name of the chosen file, or empty when nothing is chosen.
std::string ChosenImageFile(const QComboBox* combo);
// Chooses the item carrying `name`; a name the folder does not hold is added as an item first, so
// that an animation whose picture is missing still shows which file it names.
void ChooseImageFile(QComboBox* combo, const std::string& name);

}  // namespace lw
