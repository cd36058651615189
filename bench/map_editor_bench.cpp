// The map editor on a 1000 x 1000-cell map: one frame of an 800 x 600 drawing area at 100 % (and
// at the other zooms), the repaint of one painted cell, and opening and saving the map's 4 MB file
// against reading and writing the same bytes plainly.
//
//   bench_map_editor [frames]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <time.h>
#include <vector>

#include <QImage>

#include "core/tagfile/file_io.h"
#include "core/world/map_editing.h"
#include "render/map_edit_view.h"

namespace {

using Clock = std::chrono::steady_clock;

QImage ChipSet(bool keyed) {
    QImage set(512, 512, QImage::Format_RGB32);
    for (int y = 0; y < 512; ++y) {
        auto* line = reinterpret_cast<QRgb*>(set.scanLine(y));
        for (int x = 0; x < 512; ++x) {
            const bool clear = keyed && (x % 32) < 16 && (y % 32) < 16;
            line[x] = clear ? qRgb(255, 0, 255) : qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, ((x ^ y) * 5) & 0xFF);
        }
    }
    return set;
}

// This thread's processor time, ms: on a busy machine the wall clock also counts the time other
// processes took.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The median of each run's processor time (drawing), or wall time (file work, which waits for the
// disk).
template <typename Work>
double MedianMs(int runs, Work work, bool wall = false) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto a = Clock::now();
        const double cpu = ThreadCpuMs();
        work(i);
        ms.push_back(wall ? std::chrono::duration<double, std::milli>(Clock::now() - a).count() : ThreadCpuMs() - cpu);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 500;
    lw::MapData map = lw::NewMap(1000, 1000, 1);
    for (std::uint32_t y = 0; y < 1000; ++y)
        for (std::uint32_t x = 0; x < 1000; ++x) {
            const int upper = (x + 2 * y) % 3 == 0 ? 0 : static_cast<int>(1 + (x * 13 + y) % 255);
            map.cells[y * 1000u + x] = lw::MakeMapCell(static_cast<int>(1 + (x * 7 + y * 11) % 255), upper, 0x11, 0x22);
        }

    lw::MapEditView v;
    v.map = &map;
    v.chipSets.images[0] = ChipSet(false);
    v.chipSets.images[1] = ChipSet(true);
    v.layerSpec = lw::DrawSpec{lw::kDrawOpaque, 1, lw::Rgb{255, 0, 255}};
    for (int layer = 0; layer < 2; ++layer)
        v.dimmedChipSets.images[static_cast<std::size_t>(layer)] =
            lw::DimmedChipSet(v.chipSets.images[static_cast<std::size_t>(layer)], layer, v.layerSpec);
    v.grid = true;
    v.cursor = QPoint(10, 10);
    v.outline = lw::CellRect{5, 5, 40, 30};
    const QSize client(800, 600);
    QImage sink;

    std::printf("map 1000 x 1000 cells, drawing area 800 x 600, %d frames each (median processor time)\n", frames);
    for (int zoom : {100, 50, 200, 400}) {
        v.zoom = zoom;
        const QPoint most = lw::EditViewMaxScroll(map, zoom, client);
        for (lw::OtherLayer other : {lw::OtherLayer::Shown, lw::OtherLayer::Dimmed}) {
            v.other = other;
            const double ms = MedianMs(frames, [&](int i) {
                v.scroll = QPoint(static_cast<int>((37LL * i) % most.x()), static_cast<int>((28LL * i) % most.y()));
                sink = lw::ComposeMapEditArea(v, QRect(QPoint(0, 0), client));
            });
            std::printf("frame at %3d %%, other layer %-6s  %.3f ms\n", zoom, other == lw::OtherLayer::Shown ? "shown" : "dimmed", ms);
        }
    }
    v.zoom = 100;
    v.scroll = QPoint(3000, 3000);
    const double cell = MedianMs(frames * 10, [&](int) {
        sink = lw::ComposeMapEditArea(v, lw::ViewRectOfCells(v, lw::CellRect{100, 100, 1, 1}));
    });
    std::printf("repaint of one painted cell at 100 %%          %.4f ms\n", cell);

    // Opening and saving the map file, against the same bytes read and written plainly.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("lw_map_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "big.bin";
    const std::string bytes = lw::MapDataBytes(map);
    lw::ReplaceFileAtomically(file, bytes);
    const int runs = 40;
    const double readBytes = MedianMs(runs, [&](int) { (void)lw::ReadFileBytes(file, lw::kMediaFileCeiling); }, true);
    lw::MapData opened;
    const double open = MedianMs(runs, [&](int) { lw::ReadMapDataFile(file, opened); }, true);
    const double writeBytes = MedianMs(runs, [&](int) { lw::ReplaceFileAtomically(file, bytes); }, true);
    const double save = MedianMs(runs, [&](int) { lw::WriteMapDataFile(file, opened); }, true);
    std::printf("read the %zu bytes          %.3f ms\n", bytes.size(), readBytes);
    std::printf("open the map (read + parse)   %.3f ms  (%.2fx)\n", open, open / readBytes);
    std::printf("write the bytes atomically    %.3f ms\n", writeBytes);
    std::printf("save the map                  %.3f ms  (%.2fx)\n", save, save / writeBytes);
    std::filesystem::remove_all(folder);
    return opened == map && !sink.isNull() ? 0 : 1;
}
