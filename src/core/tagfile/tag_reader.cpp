#include "core/tagfile/tag_reader.h"

#include "core/tagfile/scan.h"

namespace lw {

TagReader& TagReader::Section(std::string_view name, ContentFn content, EventFn onOpen, EventFn onClose) {
    Entry e;
    e.open = "<" + std::string(name) + ">";
    e.close = "</" + std::string(name) + ">";
    e.content = std::move(content);
    e.onOpen = std::move(onOpen);
    e.onClose = std::move(onClose);
    sections_.push_back(std::move(e));
    return *this;
}

TagReader& TagReader::Enclosing(std::string_view name, EventFn onOpen, EventFn onClose) {
    Section(name, {}, std::move(onOpen), std::move(onClose));
    sections_.back().claimsContent = false;
    return *this;
}

void TagReader::HandleLine(std::string_view line) {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        Entry& s = sections_[i];
        if (line == s.open) {
            state_ = static_cast<int>(i);
            if (s.onOpen) s.onOpen();
            return;
        }
        if (line == s.close) {
            state_ = -1;
            if (s.onClose) s.onClose();
            return;
        }
        if (state_ == static_cast<int>(i) && s.claimsContent) {
            if (s.content) s.content(line);
            return;
        }
    }
}

void TagReader::Read(std::string_view bytes) {
    state_ = -1;
    ForEachLine(bytes, [this](std::string_view line) { HandleLine(line); });
}

void BoundedList::AddTo(TagReader& reader, std::string_view numberTag, std::string_view dataTag,
                        std::function<void(int, std::string_view)> take) {
    reader.Section(numberTag, [this](std::string_view line) {
        if (ScanInt(line, count) && count > capacity) count = capacity;
    });
    reader.Section(
        dataTag,
        [this, take = std::move(take)](std::string_view line) {
            if (position < count) take(position++, line);
        },
        [this] { position = 0; });
}

}  // namespace lw
