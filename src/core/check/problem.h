#pragma once
// One problem the project check found: how bad it is, where it stands and one sentence that says
// what is wrong and what to do about it.

#include <string>
#include <string_view>
#include <vector>

namespace lw {

enum class Severity { Error, Warning };
std::string_view SeverityWord(Severity s);  // "error", "warning"

struct Problem {
    Severity severity = Severity::Error;
    std::string file;  // CP932 name of the file in the data folder ("scene3.txt"); "prepare.txt"
                       // for the project file
    int record = -1;   // as in Place (reference_index.h)
    int group = -1;
    int line = -1;     // from 0
    std::string part;  // what the record is or the field ("exit", "sound"); may be empty
    std::string message;  // UTF-8, one sentence
};

// Where a problem stands in words: "group 4 line 2", "record 57", "exit 3", "record 2 sound",
// or empty for the file as a whole. Lines are counted from 1 here, as an editor shows them.
std::string PlaceText(const Problem& p);

}  // namespace lw
