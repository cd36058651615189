#include "support/core/village_makers.h"

#include "core/sample/sample_game.h"
#include "core/sample/sample_pictures.h"
#include "core/world/map_data.h"

namespace lw::test {

std::string VillageGroundBmp() { return sample::GroundChipsBmp(2); }

std::string VillageUpperBmp() { return sample::UpperChipsBmp(2); }

std::string VillageMapBytes() { return MapDataBytes(SampleVillageMap()); }

void WriteVillage(const TempProject& tp) {
    tp.WriteData("village.bin", VillageMapBytes());
    WriteBytes(ImageFilePath(tp.project, "ground.bmp"), VillageGroundBmp());
    WriteBytes(ImageFilePath(tp.project, "upper.bmp"), VillageUpperBmp());
}

Scene VillageScene() {
    return Scene{.mapDataFile = "village.bin", .backgroundChipSet = "ground.bmp", .layerChipSet = "upper.bmp",
                 .layerColourKey = 1, .layerKeyRed = 255, .layerKeyBlue = 255};
}

std::string VillagerSheetBmp(std::uint32_t tunicRgb) { return sample::WalkingSheetBmp(tunicRgb); }

std::string ChestBmp() { return sample::ChestBmp(); }

}  // namespace lw::test
