// Paints the map view's 320 x 240 frame over a 1000 x 1000-cell map, walking the scroll position
// across the map, and compares it with the bare cost of the frame buffer plus one whole-frame copy.
//
//   bench_map_view [frames]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QImage>
#include <time.h>

#include "render/draw.h"
#include "render/map_view_state.h"

namespace {

using Clock = std::chrono::steady_clock;

// This thread's processor time, ms: unlike the wall clock it leaves out the time other processes
// of a busy machine took.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

QImage ChipSet(bool withAlpha) {
    QImage set(512, 512, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < 512; ++y) {
        auto* line = reinterpret_cast<QRgb*>(set.scanLine(y));
        for (int x = 0; x < 512; ++x) {
            const QRgb colour = qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, ((x ^ y) * 5) & 0xFF);
            // Layer 1: a quarter of every chip clear, the rest opaque; magenta is the key.
            const bool clear = (x % 32) < 16 && (y % 32) < 16;
            line[x] = withAlpha ? (clear ? 0u : colour) : (clear ? qRgb(255, 0, 255) : colour);
        }
    }
    return set;
}

struct Figures {
    double median = 0;
    double mean = 0;
    double p95 = 0;
    double worst = 0;
    double cpuMean = 0;
};

template <typename Paint>
Figures Measure(int frames, Paint paint) {
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(frames));
    const double cpuStart = ThreadCpuMs();
    for (int i = 0; i < frames; ++i) {
        const auto a = Clock::now();
        paint(i);
        const auto b = Clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(b - a).count());
    }
    const double cpu = ThreadCpuMs() - cpuStart;
    std::sort(ms.begin(), ms.end());
    Figures f;
    f.cpuMean = cpu / frames;
    f.median = ms[ms.size() / 2];
    for (double v : ms) f.mean += v;
    f.mean /= static_cast<double>(ms.size());
    f.p95 = ms[ms.size() * 95 / 100];
    f.worst = ms.back();
    return f;
}

void Print(const char* what, const Figures& f) {
    std::printf("%-44s median %.3f ms  mean %.3f ms  p95 %.3f ms  worst %.3f ms  processor %.3f ms\n", what,
                f.median, f.mean, f.p95, f.worst, f.cpuMean);
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    const QSize client(320, 240);

    lw::MapViewState s;
    s.map.width = s.map.height = 1000;
    s.map.cells.resize(1000u * 1000u);
    for (std::uint32_t y = 0; y < 1000; ++y) {
        for (std::uint32_t x = 0; x < 1000; ++x) {
            // Every cell has a background chip; two in three have an upper chip.
            const int upper = (x + 2 * y) % 3 == 0 ? 0 : static_cast<int>(1 + (x * 13 + y) % 255);
            s.map.cells[y * 1000u + x] = lw::MakeMapCell(static_cast<int>(1 + (x * 7 + y * 11) % 255), upper);
        }
    }
    s.chipSets.images[0] = ChipSet(false);
    const QImage keyedSet = ChipSet(false);
    const QImage alphaSet = ChipSet(true);

    // The scroll walks diagonally across the map, 37 pixels a frame, so no two frames are aligned
    // alike.
    const QPoint most = lw::MaxScroll(s.map, client);
    auto scrollFor = [&](int i) {
        const long long step = 37LL * i;
        return QPoint(static_cast<int>(step % most.x()), static_cast<int>((step * 3 / 4) % most.y()));
    };

    std::printf("map 1000 x 1000 cells, frame 320 x 240, %d frames each\n", frames);
    QImage sink;
    const Figures base = Measure(frames, [&](int) {
        QImage buffer = lw::NewFrameBuffer(client);
        QImage copy(client, QImage::Format_RGB32);
        lw::DrawImageWithMode(copy, 0, 0, 320, 240, buffer, 0, 0, lw::DrawSpec{});
        sink = copy;
    });
    Print("baseline: new buffer + one whole-frame copy", base);

    s.mode = lw::MapViewMode::Browse;
    s.chipSets.images[1] = keyedSet;
    s.layerSpec = lw::DrawSpec{lw::kDrawOpaque, 0, {}};
    Print("browse, layer 1 opaque", Measure(frames, [&](int i) {
              s.scroll = scrollFor(i);
              sink = lw::ComposeMapView(s, client);
          }));
    s.layerSpec = lw::DrawSpec{lw::kDrawOpaque, 1, lw::Rgb{255, 0, 255}};
    Print("browse, layer 1 colour key", Measure(frames, [&](int i) {
              s.scroll = scrollFor(i);
              sink = lw::ComposeMapView(s, client);
          }));
    s.chipSets.images[1] = alphaSet;
    s.layerSpec = lw::DrawSpec{lw::kDrawAlpha, 0, {}};
    Print("browse, layer 1 alpha", Measure(frames, [&](int i) {
              s.scroll = scrollFor(i);
              sink = lw::ComposeMapView(s, client);
          }));

    // The heaviest frame: alpha layer, grid, 256 NPC and 256 chest markers, the placed sprite with
    // its walking range and a hovered cell.
    s.mode = lw::MapViewMode::Placement;
    const QImage marker = lw::MakeKeyedImage(keyedSet, 0, 0, 32, 48, lw::kDrawOpaque, 1, 255, 0, 255);
    for (int i = 0; i < 256; ++i) {
        s.npcMarkers.push_back(lw::MarkerOnCell(i, (i * 37) % 1000, (i * 91) % 1000, marker));
        s.chestMarkers.push_back(lw::MarkerOnCell(i, (i * 53) % 1000, (i * 17) % 1000, marker));
    }
    s.sprite.image = keyedSet;
    s.sprite.regionWidth = 96;
    s.sprite.regionHeight = 192;
    s.sprite.offset = 16;
    s.sprite.showRange = true;
    s.sprite.rangeX = s.sprite.rangeY = 3;
    const Figures full = Measure(frames, [&](int i) {
        s.scroll = scrollFor(i);
        const QPoint cell(s.scroll.x() / 32 + 4, s.scroll.y() / 32 + 3);
        s.sprite.position = cell;
        s.sprite.rangeCentre = cell;
        s.hover = cell + QPoint(1, 1);
        sink = lw::ComposeMapView(s, client);
    });
    Print("placement: alpha, grid, 512 markers, sprite", full);
    std::printf("placement frame / baseline (median): %.1fx\n", full.median / base.median);
    return sink.isNull() ? 1 : 0;
}
