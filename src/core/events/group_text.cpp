#include "core/events/group_text.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/text/cp932.h"

namespace lw {

std::vector<std::string_view> SplitEditLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', start);
        std::string_view line = text.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return lines;
}

ShownGroup ShowGroup(const std::vector<EventCommandGroup>& groups, int groupNumber) {
    ShownGroup shown;
    if (groupNumber < 0 || groupNumber >= static_cast<int>(groups.size())) return shown;
    const EventCommandGroup& group = groups[static_cast<std::size_t>(groupNumber)];
    shown.shown = true;
    for (std::size_t i = 0; i < group.commands.size(); ++i) {
        if (i > 0) shown.text += kEditLineBreak;
        shown.text += Cp932ToUtf8Lossy(group.commands[i]);
    }
    shown.explanation = group.explanation;
    return shown;
}

ConvertedGroupText ConvertGroupText(std::string_view text, const EventCommandGroup& current) {
    ConvertedGroupText out;
    const std::vector<std::string_view> lines = SplitEditLines(text);
    if (lines.size() > static_cast<std::size_t>(kGroupCommandCapacity)) {
        out.check = {GroupTextProblem::TooManyLines, static_cast<int>(lines.size()), 0};
        return out;
    }
    std::vector<std::string> converted;
    converted.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (i < current.commands.size() && lines[i] == Cp932ToUtf8Lossy(current.commands[i])) {
            converted.emplace_back(current.commands[i]);
            continue;
        }
        std::optional<std::string> bytes = Utf8ToCp932(lines[i]);
        if (!bytes) {
            out.check = {GroupTextProblem::LineNotCp932, number, 0};
            return out;
        }
        if (bytes->size() > kCommandBytes) {
            out.check = {GroupTextProblem::LineTooLong, number, bytes->size()};
            return out;
        }
        converted.push_back(std::move(*bytes));
    }
    out.lines = std::move(converted);
    return out;
}

GroupTextCheck CheckGroupText(std::string_view text, std::string_view explanation, const EventCommandGroup& current) {
    ConvertedGroupText converted = ConvertGroupText(text, current);
    if (!converted.check.ok()) return converted.check;
    if (explanation.size() > kGroupExplanationBytes)
        return {GroupTextProblem::ExplanationTooLong, 0, explanation.size()};
    return {};
}

GroupTextCheck StoreGroupText(std::vector<EventCommandGroup>& groups, int groupNumber, std::string_view text,
                              std::string_view explanation) {
    if (groupNumber < 0 || groupNumber >= static_cast<int>(groups.size())) return {};
    EventCommandGroup& group = groups[static_cast<std::size_t>(groupNumber)];
    ConvertedGroupText converted = ConvertGroupText(text, group);
    if (!converted.check.ok()) return converted.check;
    if (explanation.size() > kGroupExplanationBytes)
        return {GroupTextProblem::ExplanationTooLong, 0, explanation.size()};
    group.commands = CommandLines(converted.lines);
    group.explanation = std::string(explanation);
    return {};
}

CommandInsertion InsertCommandLine(std::string_view text, std::size_t caret, std::string_view line) {
    caret = std::min(caret, text.size());
    CommandInsertion insertion;
    if (caret == 0 || text[caret - 1] == '\n') {
        insertion.at = caret;
        insertion.inserted = std::string(line);
        // A line that has text keeps it: the command becomes a line of its own before it.
        const bool lineHasText = caret < text.size() && text[caret] != '\n' && text[caret] != '\r';
        if (lineHasText) {
            insertion.inserted += kEditLineBreak;
            insertion.caret = insertion.at + line.size();
            return insertion;
        }
    } else {
        std::size_t end = text.find('\n', caret);
        if (end == std::string_view::npos) end = text.size();
        else if (end > caret && text[end - 1] == '\r') --end;
        insertion.at = end;
        insertion.inserted = std::string(kEditLineBreak) + std::string(line);
    }
    insertion.caret = insertion.at + insertion.inserted.size();
    return insertion;
}

std::string ApplyInsertion(std::string_view text, const CommandInsertion& insertion) {
    std::string out(text.substr(0, insertion.at));
    out += insertion.inserted;
    out += text.substr(std::min(insertion.at, text.size()));
    return out;
}

std::string GroupChoiceLabel(int number, std::string_view explanation) {
    std::string label = std::to_string(number);
    if (!explanation.empty()) label += " \u2014 " + Cp932ToUtf8Lossy(explanation);
    return label;
}

int ClampGroupCount(int count) { return std::clamp(count, kGroupCountMin, kGroupCountMax); }

void SetGroupCount(std::vector<EventCommandGroup>& groups, std::vector<EventCommandGroup>& hidden, int count) {
    const std::size_t n = static_cast<std::size_t>(ClampGroupCount(count));
    if (n < groups.size()) {
        hidden.insert(hidden.begin(), std::make_move_iterator(groups.begin() + static_cast<std::ptrdiff_t>(n)),
                      std::make_move_iterator(groups.end()));
        groups.resize(n);
        return;
    }
    const std::size_t back = std::min(n - groups.size(), hidden.size());
    groups.insert(groups.end(), std::make_move_iterator(hidden.begin()),
                  std::make_move_iterator(hidden.begin() + static_cast<std::ptrdiff_t>(back)));
    hidden.erase(hidden.begin(), hidden.begin() + static_cast<std::ptrdiff_t>(back));
    groups.resize(n);
}

}  // namespace lw
