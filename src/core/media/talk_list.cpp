#include "core/media/talk_list.h"

#include <array>

#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "talk_number";
constexpr std::string_view kDataTag = "talk_data";

// Walks the stored form of `text`: calls `emit(sourceEnd, storedBytes)` after each whole unit (a
// character, or a line break that becomes "#") and stops when `emit` returns false.
template <class F>
void WalkStored(std::string_view text, F&& emit) {
    std::size_t pos = 0;
    std::size_t stored = 0;
    while (pos < text.size()) {
        std::size_t len = CharLength(text, pos);
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') len = 2;
        const std::size_t out = (text[pos] == '\r' && len == 2) || text[pos] == '\n' ? 1 : len;
        if (!emit(pos + len, stored + out)) return;
        pos += len;
        stored += out;
    }
}

}  // namespace

std::size_t TalkStoredSize(std::string_view text) {
    std::size_t size = 0;
    WalkStored(text, [&](std::size_t, std::size_t stored) {
        size = stored;
        return true;
    });
    return size;
}

std::string_view CutTalkText(std::string_view text) {
    std::size_t end = 0;
    WalkStored(text, [&](std::size_t sourceEnd, std::size_t stored) {
        if (stored > kTalkTextBytes) return false;
        end = sourceEnd;
        return true;
    });
    return text.substr(0, end);
}

std::string TalkStoredText(std::string_view text) {
    const std::string_view kept = CutTalkText(text);
    std::string out;
    out.reserve(kept.size());
    for (std::size_t pos = 0; pos < kept.size();) {
        const std::size_t len = CharLength(kept, pos);
        if (kept[pos] == '\r' && pos + 1 < kept.size() && kept[pos + 1] == '\n') {
            out.push_back('#');
            pos += 2;
        } else if (kept[pos] == '\n') {
            out.push_back('#');
            ++pos;
        } else {
            out.append(kept.substr(pos, len));
            pos += len;
        }
    }
    return out;
}

bool TalkTextStorable(std::string_view text) {
    static const std::array<std::string, 4> kTags = {
        "<" + std::string(kNumberTag) + ">", "</" + std::string(kNumberTag) + ">",
        "<" + std::string(kDataTag) + ">", "</" + std::string(kDataTag) + ">"};
    const std::string stored = TalkStoredText(text);
    for (const std::string& tag : kTags)
        if (stored == tag) return false;
    return true;
}

std::string TalkListLabel(std::string_view text) {
    return CutCopy(TalkStoredText(CutToBytes(text, kTalkLabelBytes * 2)), kTalkLabelBytes);
}

std::vector<std::string> ParseTalkList(std::string_view bytes) {
    std::vector<std::string> texts;
    TagReader reader;
    reader.Section(kNumberTag, [](std::string_view) {});
    reader.Section(kDataTag, [&](std::string_view line) { texts.push_back(CutCopy(line, kTalkTextBytes)); });
    reader.Read(bytes);
    return texts;
}

ReadStatus LoadTalkList(const Project& project, std::vector<std::string>& texts) {
    texts.clear();
    FileBytes file = ReadFileBytes(DataFilePath(project, kTalkFile), kListFileCeiling);
    if (file.ok()) texts = ParseTalkList(file.bytes);
    return file.status;
}

namespace {

void WriteTalkList(TagWriter& w, const std::vector<std::string>& texts) {
    w.IntSection(kNumberTag, static_cast<long long>(texts.size()));
    w.Open(kDataTag);
    for (const std::string& text : texts) w.Line(TalkStoredText(text));
    w.Close(kDataTag);
}

}  // namespace

std::string TalkListBytes(const std::vector<std::string>& texts) {
    return TagFileBytes([&](TagWriter& w) { WriteTalkList(w, texts); });
}

bool SaveTalkList(const Project& project, const std::vector<std::string>& texts, SaveUi& ui) {
    return SaveDataTagFile(project, kTalkFile, [&](TagWriter& w) { WriteTalkList(w, texts); }, ui);
}

}  // namespace lw
