#include "core/settings/property_rows.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/tagfile/scan.h"

namespace lw {

RowControls ControlsFor(RowKind kind) {
    RowControls c;
    switch (kind) {
    case RowKind::Text: c.text = true; break;
    case RowKind::LongText: c.longText = true; break;
    case RowKind::Number: c.number = true; break;
    case RowKind::Choice: c.choice = true; break;
    case RowKind::Sound:
    case RowKind::Bgm:
        c.choice = true;
        c.play = true;
        break;
    case RowKind::Effect:
        c.choice = true;
        c.showImage = true;
        break;
    case RowKind::Colour: c.colour = true; break;
    case RowKind::Image:
        c.choice = true;
        c.showImage = true;
        c.keyFlag = true;
        c.drawMode = true;
        c.colour = true;
        break;
    }
    return c;
}

std::string_view ColourCaptionFor(RowKind kind) {
    switch (kind) {
    case RowKind::Colour: return LW_UI_TEXT("lw", "色");
    case RowKind::Image: return LW_UI_TEXT("lw", "ｶﾗｰｷｰ");
    default: return {};
    }
}

int ClampToRange(long long value, NumberRange range) {
    if (value < range.min) return range.min;
    if (value > range.max) return range.max;
    return static_cast<int>(value);
}

bool ParseTypedInteger(std::string_view text, long long& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t digitsFrom = i;
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        magnitude = magnitude > (kMax - digit) / 10 ? kMax : magnitude * 10 + digit;
    }
    if (i == digitsFrom) return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

int ChoicePositionOf(const std::vector<int>& values, int value) {
    const auto it = std::find(values.begin(), values.end(), value);
    return it == values.end() ? -1 : static_cast<int>(it - values.begin());
}

namespace {
constexpr int kSecondsEntries = 101;  // 0.0 .. 10.0 in tenths
}

std::vector<std::string> SecondsChoiceTexts() {
    std::vector<std::string> texts;
    texts.reserve(kSecondsEntries);
    for (int k = 0; k < kSecondsEntries; ++k) texts.push_back(FormatInt(k / 10) + '.' + FormatInt(k % 10));
    return texts;
}

std::vector<int> SecondsChoiceValues() {
    std::vector<int> values;
    values.reserve(kSecondsEntries);
    for (int k = 0; k < kSecondsEntries; ++k) values.push_back(k * 100);
    return values;
}

int SecondsChoicePosition(int milliseconds) {
    const std::string text = FormatFixed(static_cast<double>(milliseconds) / 1000.0, 1);
    const std::vector<std::string> texts = SecondsChoiceTexts();
    const auto it = std::find(texts.begin(), texts.end(), text);
    return it == texts.end() ? -1 : static_cast<int>(it - texts.begin());
}

int RateToPercent(float rate) {
    const double percent = std::round(static_cast<double>(rate) * 100.0);
    if (!(percent >= static_cast<double>(std::numeric_limits<int>::min()))) return std::numeric_limits<int>::min();
    if (percent > static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(percent);
}

float PercentToRate(int percent) { return static_cast<float>(percent) / 100.0f; }

int PropertyRow::ChoicePosition(int value) const {
    if (positionOf) return positionOf(value);
    if (!choiceValues.empty()) return ChoicePositionOf(choiceValues, value);
    return value;
}

int PropertyRow::ChoiceValue(int position) const {
    if (!choiceValues.empty() && position >= 0 && position < static_cast<int>(choiceValues.size())) {
        return choiceValues[static_cast<std::size_t>(position)];
    }
    return position;
}

namespace {

PropertyRow Labelled(std::string label, RowKind kind) {
    PropertyRow row;
    row.label = std::move(label);
    row.kind = kind;
    return row;
}

void BindNumber(PropertyRow& row, int& field) {
    row.getNumber = [&field] { return field; };
    row.setNumber = [&field](int v) { field = v; };
}

}  // namespace

PropertyRow TextRow(std::string label, std::string& field, std::size_t bytes, RowKind kind) {
    PropertyRow row = Labelled(std::move(label), kind);
    row.textBytes = bytes;
    row.getText = [&field] { return field; };
    row.setText = [&field](const std::string& v) { field = v; };
    return row;
}

PropertyRow NumberRow(std::string label, int& field, NumberRange range, std::string unit) {
    PropertyRow row = Labelled(std::move(label), RowKind::Number);
    row.range = range;
    row.unit = std::move(unit);
    BindNumber(row, field);
    return row;
}

PropertyRow ChoiceRow(std::string label, int& field, std::vector<std::string> entries, std::vector<int> values) {
    PropertyRow row = Labelled(std::move(label), RowKind::Choice);
    row.choices = std::move(entries);
    row.choiceValues = std::move(values);
    BindNumber(row, field);
    return row;
}

PropertyRow ListRow(std::string label, RowKind kind, int& field) {
    PropertyRow row = Labelled(std::move(label), kind);
    BindNumber(row, field);
    return row;
}

PropertyRow ColourRow(std::string label, Rgb& field) {
    PropertyRow row = Labelled(std::move(label), RowKind::Colour);
    row.getColour = [&field] { return field; };
    row.setColour = [&field](const Rgb& v) { field = v; };
    return row;
}

PropertyRow ImageRow(std::string label, std::string& file, DrawSpec& spec) {
    PropertyRow row = Labelled(std::move(label), RowKind::Image);
    row.textBytes = 259;
    row.getText = [&file] { return file; };
    row.setText = [&file](const std::string& v) { file = v; };
    row.getSpec = [&spec] { return spec; };
    row.setSpec = [&spec](const DrawSpec& v) { spec = v; };
    return row;
}

std::string WithoutLineBreaks(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size());
    for (char c : cp932) {
        if (c != '\r' && c != '\n') out += c;
    }
    return out;
}

}  // namespace lw
