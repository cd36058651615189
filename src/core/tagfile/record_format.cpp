#include "core/tagfile/record_format.h"

namespace lw {

FieldProblem CheckTokenField(std::string_view value) {
    if (value.empty()) return FieldProblem::Empty;
    for (char c : value) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') return FieldProblem::HasBlank;
    }
    return FieldProblem::None;
}

}  // namespace lw
