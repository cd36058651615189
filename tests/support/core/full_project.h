#pragma once
// A project with something in every file the editors read: pictures, a map, two scenes with NPCs,
// chests, a shop, exits and groups, and at least one record in every list, so that every editor
// and every step of its chains can be opened on a record.

#include "support/core/temp_dir.h"

namespace lw::test {

void WriteFullProject(const TempProject& tp);

}  // namespace lw::test
