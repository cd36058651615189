#include "core/tagfile/tag_writer.h"

#include "core/tagfile/scan.h"

namespace lw {

TagWriter::TagWriter(Sink sink, std::size_t chunkBytes) : sink_(std::move(sink)), chunkBytes_(chunkBytes) {
    bytes_.reserve(chunkBytes_ + 4096);
}

void TagWriter::StartLine() {
    if (sink_ && bytes_.size() >= chunkBytes_) {
        if (sinkOk_) sinkOk_ = sink_(bytes_);
        bytes_.clear();
    }
    if (!first_) bytes_ += "\r\n";
    first_ = false;
}

bool TagWriter::Finish() {
    if (sink_ && !bytes_.empty()) {
        if (sinkOk_) sinkOk_ = sink_(bytes_);
        bytes_.clear();
    }
    return sinkOk_;
}

void TagWriter::Line(std::string_view text) {
    StartLine();
    bytes_ += text;
}

std::string& TagWriter::BeginLine() {
    StartLine();
    return bytes_;
}

void TagWriter::Open(std::string_view name) {
    StartLine();
    bytes_ += '<';
    bytes_ += name;
    bytes_ += '>';
}

void TagWriter::Close(std::string_view name) {
    StartLine();
    bytes_ += "</";
    bytes_ += name;
    bytes_ += '>';
}

void TagWriter::Int(long long value) { Line(FormatInt(value)); }
void TagWriter::Fixed(double value, int decimals) { Line(FormatFixed(value, decimals)); }

void TagWriter::IntSection(std::string_view name, long long value) {
    Open(name);
    Int(value);
    Close(name);
}

void TagWriter::FixedSection(std::string_view name, double value, int decimals) {
    Open(name);
    Fixed(value, decimals);
    Close(name);
}

void TagWriter::StringSection(std::string_view name, std::string_view value) {
    Open(name);
    Line(value);
    Close(name);
}

void TagWriter::RecordHeader(int recordNumber) {
    Line(kSeparatorLine);
    Int(recordNumber);
    Line(kSeparatorLine);
}

}  // namespace lw
