#include "core/rules/enemy_units.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "enemy_number";
constexpr std::string_view kDataTag = "enemy_data";
constexpr std::string_view kNameTag = "enemy_name";
constexpr std::string_view kFormationNumberTag = "enemies_number";
constexpr std::string_view kFormationDataTag = "enemies_data";
constexpr std::string_view kUnitsSuffix = " \x91\xcc";  // " 体"

// The one description of a formation line, in file order. `onInt(int&)` and `onRate(float&)` are
// called for each field; the reader and the writer both walk it.
template <class F, class OnInt, class OnRate>
void EachFormationField(F& f, OnInt&& onInt, OnRate&& onRate) {
    for (auto& m : f.monster) onInt(m);
    onInt(f.boss);
    onRate(f.rate);
    onRate(f.itemRate);
    onInt(f.item);
    onInt(f.itemCount);
    onInt(f.bgm);
    for (int i = 0; i < kFormationSlots; ++i) {
        onInt(f.x[static_cast<std::size_t>(i)]);
        onInt(f.y[static_cast<std::size_t>(i)]);
    }
}

void AppendFormation(std::string& line, const Formation& f) {
    bool first = true;
    auto sep = [&] {
        if (!first) line += ' ';
        first = false;
    };
    EachFormationField(
        f, [&](const int& v) { sep(); AppendInt(line, v); },
        [&](const float& v) { sep(); AppendFixed(line, v, 2); });
}

void ParseFormation(std::string_view line, Formation& f) {
    FieldScanner scan(line);
    EachFormationField(f, [&](int& v) { scan.Int(v); }, [&](float& v) { scan.Float(v); });
}

int ClampFormationCount(int count) { return std::clamp(count, 0, kFormationCapacity); }

void WriteEnemyList(TagWriter& w, const std::vector<EnemyUnit>& units) {
    w.IntSection(kNumberTag, static_cast<long long>(units.size()));
    int index = 0;
    for (const EnemyUnit& u : units) {
        w.RecordHeader(index++);
        w.Open(kDataTag);
        w.StringSection(kNameTag, u.name);
        const int count = ClampFormationCount(u.formationCount);
        w.IntSection(kFormationNumberTag, count);
        w.Open(kFormationDataTag);
        for (int i = 0; i < count; ++i) AppendFormation(w.BeginLine(), FormationAt(u, i));
        w.Close(kFormationDataTag);
        w.Close(kDataTag);
    }
}

// Walks the units of the file, handing each completed one to `onComplete`.
void WalkEnemyFile(std::string_view bytes, const std::function<void(const EnemyUnit&)>& onComplete) {
    int count = 0;
    int completed = 0;
    int formationPosition = 0;
    EnemyUnit building;
    TagReader reader;
    reader.Section(kNumberTag, [&](std::string_view line) { ScanInt(line, count); });
    reader.Enclosing(
        kDataTag, [&] { building = EnemyUnit{}; },
        [&] {
            onComplete(building);
            ++completed;
        });
    reader.Section(kNameTag, [&](std::string_view line) { building.name = CutCopy(line, kEnemyNameBytes); });
    reader.Section(kFormationNumberTag, [&](std::string_view line) {
        int n = 0;
        if (!ScanInt(line, n)) return;
        building.formationCount = ClampFormationCount(n);
        if (building.formations.size() > static_cast<std::size_t>(building.formationCount))
            building.formations.resize(static_cast<std::size_t>(building.formationCount));
    });
    reader.Section(
        kFormationDataTag,
        [&](std::string_view line) {
            if (completed >= count) return;
            if (formationPosition >= building.formationCount) return;
            // Lines fill the formations in order; a count line after some lines keeps them.
            building.formations.resize(static_cast<std::size_t>(formationPosition) + 1);
            ParseFormation(line, building.formations.back());
            ++formationPosition;
        },
        [&] { formationPosition = 0; });
    reader.Read(bytes);
}

}  // namespace

Formation NewFormation() {
    Formation f;
    f.boss = kNoBoss;
    f.item = kNoFormationItem;
    f.bgm = kNoFormationBgm;
    return f;
}

Formation FormationAt(const EnemyUnit& unit, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= unit.formations.size()) return Formation{};
    return unit.formations[static_cast<std::size_t>(index)];
}

std::vector<Formation> UnitFormations(const EnemyUnit& unit) {
    const int n = ClampFormationCount(unit.formationCount);
    std::vector<Formation> rows;
    rows.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) rows.push_back(FormationAt(unit, i));
    return rows;
}

bool EnemyUnit::operator==(const EnemyUnit& other) const {
    return name == other.name && formationCount == other.formationCount && UnitFormations(*this) == UnitFormations(other);
}

bool SetUnitFormations(EnemyUnit& unit, const std::vector<Formation>& rows) {
    if (rows.size() > static_cast<std::size_t>(kFormationCapacity)) return false;
    unit.formationCount = static_cast<int>(rows.size());
    unit.formations = rows;
    return true;
}

std::string UnitRowText(const EnemyUnit& unit) {
    if (!unit.name.empty()) return unit.name;
    std::string text = FormatInt(unit.formationCount);
    text += kUnitsSuffix;
    return text;
}

std::string FormationRowText(const Formation& formation) {
    std::string text;
    for (int i = 0; i < kFormationSlots; ++i) {
        if (i > 0) text += ' ';
        AppendInt(text, formation.monster[static_cast<std::size_t>(i)]);
    }
    return text;
}

std::vector<int> FormationMonsters(const Formation& formation) {
    std::vector<int> monsters;
    for (int m : formation.monster)
        if (m > 0) monsters.push_back(m - 1);
    return monsters;
}

std::vector<EnemyUnit> ParseEnemyList(std::string_view bytes) {
    std::vector<EnemyUnit> out;
    WalkEnemyFile(bytes, [&](const EnemyUnit& u) { out.push_back(u); });
    return out;
}

ReadStatus LoadEnemyList(const Project& project, std::vector<EnemyUnit>& units) {
    units.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kEnemyFile), kListFileCeiling);
    if (file.ok()) units = ParseEnemyList(file.bytes);
    return file.status;
}

std::string EnemyListBytes(const std::vector<EnemyUnit>& units) {
    return TagFileBytes([&](TagWriter& w) { WriteEnemyList(w, units); });
}

bool SaveEnemyList(const Project& project, const std::vector<EnemyUnit>& units, SaveUi& ui) {
    return SaveDataTagFile(project, kEnemyFile, [&](TagWriter& w) { WriteEnemyList(w, units); }, ui);
}

void ParseEnemyUnitChoices(std::string_view bytes, std::vector<EnemyUnitChoice>& out) {
    int index = 0;
    WalkEnemyFile(bytes, [&](const EnemyUnit& u) { out.push_back({UnitRowText(u), index++}); });
}

ReadStatus LoadEnemyUnitChoices(const Project& project, std::vector<EnemyUnitChoice>& out) {
    FileBytes file = ReadFileBytes(DataFilePath(project, kEnemyFile), kListFileCeiling);
    if (file.ok()) ParseEnemyUnitChoices(file.bytes, out);
    return file.status;
}

std::array<SlotPlace, kFormationSlots> PlaceFormation(const Formation& formation,
                                                      const std::array<PictureSize, kFormationSlots>& sizes,
                                                      const BattleLayout& layout) {
    std::array<SlotPlace, kFormationSlots> places{};
    for (int row = 0; row < 2; ++row) {
        const int firstSlot = row == 0 ? 0 : 3;
        long long n = 0;
        long long total = 0;
        for (int s = firstSlot; s < firstSlot + 3; ++s) {
            if (formation.monster[static_cast<std::size_t>(s)] == 0) continue;
            ++n;
            total += sizes[static_cast<std::size_t>(s)].width;
        }
        if (n == 0) continue;
        long long gap = 0;
        long long x = 0;
        if (total <= kBattleWidth) {
            gap = (kBattleWidth - total) / (n + 1);
            x = gap;
        } else if (n > 1) {
            gap = (kBattleWidth - total) / (n - 1);
        }
        const long long baseline = layout.translucentMenu ? kBattleHeight : layout.talkY;
        for (int s = firstSlot; s < firstSlot + 3; ++s) {
            const auto i = static_cast<std::size_t>(s);
            if (formation.monster[i] == 0) continue;
            const long long y = row == 0 ? baseline - sizes[i].height : 0;
            places[i] = {true, static_cast<int>(std::clamp<long long>(x, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())),
                         static_cast<int>(std::clamp<long long>(y, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()))};
            x += sizes[i].width + gap;
        }
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (!places[i].used) continue;
        if (formation.x[i] >= 1 || formation.y[i] >= 1) places[i] = {true, formation.x[i], formation.y[i]};
    }
    return places;
}

int RatePercent(float fraction) {
    const double p = static_cast<double>(fraction) * 100.0;
    if (!std::isfinite(p)) return 0;
    return static_cast<int>(std::clamp(std::round(p), -1e9, 1e9));
}

bool SplitRatesEvenly(std::vector<Formation>& formations) {
    if (formations.empty()) return false;
    double sum = 0;
    for (const Formation& f : formations) sum += f.rate;
    if (sum != 0) return false;
    const int n = static_cast<int>(formations.size());
    const int share = 100 / n;
    for (Formation& f : formations) f.rate = static_cast<float>(share) / 100.0f;
    formations.front().rate = static_cast<float>(share + (100 - n * share)) / 100.0f;
    return true;
}

bool RatesTotal100(const std::vector<Formation>& formations) {
    long long total = 0;
    for (const Formation& f : formations) total += RatePercent(f.rate);
    return total == 100;
}

std::string RateRowText(const Formation& formation) {
    std::string text = FormatInt(RatePercent(formation.rate));
    text += " %";
    return text;
}

}  // namespace lw
