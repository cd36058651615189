#include "core/tagfile/tag_writer.h"

#include "core/tagfile/scan.h"

namespace lw {

void TagWriter::Line(std::string_view text) {
    if (!first_) bytes_ += "\r\n";
    first_ = false;
    bytes_ += text;
}

std::string& TagWriter::BeginLine() {
    if (!first_) bytes_ += "\r\n";
    first_ = false;
    return bytes_;
}

void TagWriter::Open(std::string_view name) {
    if (!first_) bytes_ += "\r\n";
    first_ = false;
    bytes_ += '<';
    bytes_ += name;
    bytes_ += '>';
}

void TagWriter::Close(std::string_view name) {
    if (!first_) bytes_ += "\r\n";
    first_ = false;
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
