#pragma once
// A record line is described once, as an ordered list of fields, and both its writer and its
// reader are derived from that one description, so the two can never drift apart.
//
//   static const RecordFormat<Item> kItemLine = {
//       IntField(&Item::kind), TokenField(&Item::name, 31), Float1Field(&Item::rate),
//       TextField(&Item::description, 255)};
//   std::string line = FormatRecord(item, kItemLine);   // "3 剣 1.5 一行目#二行目"
//   ParseRecord(line, item, kItemLine);                  // fields that do not parse keep their values
//
// Field kinds: an int ("%d"); a float with one or two decimals ("%.1f"/"%.2f", read with "%f");
// a one-token string ("%s": up to the first blank, cut to its width); a multi-line text (one token
// on the line, CR LF stored as "#"); a whole-line string (the rest of the line, blanks kept,
// which is only meaningful as the last field).

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/tagfile/scan.h"
#include "core/text/cp932.h"

namespace lw {

enum class FieldKind { Int, Float1, Float2, Token, Text, Rest };

template <class R>
struct FieldDesc {
    FieldKind kind;
    std::variant<int R::*, float R::*, std::string R::*> member;
    std::size_t width = 0;  // bytes kept for strings
};

template <class R>
using RecordFormat = std::vector<FieldDesc<R>>;

template <class R> FieldDesc<R> IntField(int R::*m) { return {FieldKind::Int, m, 0}; }
template <class R> FieldDesc<R> Float1Field(float R::*m) { return {FieldKind::Float1, m, 0}; }
template <class R> FieldDesc<R> Float2Field(float R::*m) { return {FieldKind::Float2, m, 0}; }
template <class R> FieldDesc<R> TokenField(std::string R::*m, std::size_t width) { return {FieldKind::Token, m, width}; }
template <class R> FieldDesc<R> TextField(std::string R::*m, std::size_t width) { return {FieldKind::Text, m, width}; }
template <class R> FieldDesc<R> RestField(std::string R::*m, std::size_t width) { return {FieldKind::Rest, m, width}; }

template <class R>
void AppendRecord(std::string& line, const R& record, const RecordFormat<R>& format) {
    bool first = true;
    for (const auto& f : format) {
        if (!first) line += ' ';
        first = false;
        switch (f.kind) {
        case FieldKind::Int: AppendInt(line, record.*std::get<int R::*>(f.member)); break;
        case FieldKind::Float1: AppendFixed(line, record.*std::get<float R::*>(f.member), 1); break;
        case FieldKind::Float2: AppendFixed(line, record.*std::get<float R::*>(f.member), 2); break;
        case FieldKind::Token:
        case FieldKind::Rest: line += record.*std::get<std::string R::*>(f.member); break;
        case FieldKind::Text: AppendEncodedLineBreaks(line, record.*std::get<std::string R::*>(f.member)); break;
        }
    }
}

template <class R>
std::string FormatRecord(const R& record, const RecordFormat<R>& format) {
    std::string line;
    AppendRecord(line, record, format);
    return line;
}

// Scans `line` into `record`. Returns false when some field did not parse (those after it keep the
// values the record had).
template <class R>
bool ParseRecord(std::string_view line, R& record, const RecordFormat<R>& format) {
    FieldScanner scan(line);
    for (const auto& f : format) {
        switch (f.kind) {
        case FieldKind::Int: scan.Int(record.*std::get<int R::*>(f.member)); break;
        case FieldKind::Float1:
        case FieldKind::Float2: scan.Float(record.*std::get<float R::*>(f.member)); break;
        case FieldKind::Token: scan.Token(record.*std::get<std::string R::*>(f.member), f.width); break;
        case FieldKind::Text: {
            std::string_view stored;
            if (scan.TokenView(stored, f.width)) AssignDecodedLineBreaks(record.*std::get<std::string R::*>(f.member), stored);
            break;
        }
        case FieldKind::Rest: {
            if (!scan.ok()) break;
            std::string_view rest = scan.rest();
            std::size_t skip = 0;
            while (skip < rest.size() && (rest[skip] == ' ' || rest[skip] == '\t')) ++skip;
            record.*std::get<std::string R::*>(f.member) = CutCopy(rest.substr(skip), f.width);
            break;
        }
        }
        if (!scan.ok()) return false;
    }
    return true;
}

// Why a string field cannot be stored as typed, if it cannot: a one-token field that is empty or
// holds white space would shift the fields after it when read back.
enum class FieldProblem { None, Empty, HasBlank };
FieldProblem CheckTokenField(std::string_view value);

}  // namespace lw
