#pragma once
// The rule every editor follows for the files it saves: a file that exists but could not be read
// (no permission, not a regular file, too large for its kind) is never saved over. The editor says
// so, naming the file, and does not open (or, for a table several editors share, does not write
// it); the author can mend the file and try again.

#include <string_view>

#include "core/tagfile/file_io.h"

class QWidget;

namespace lw {

struct EditorContext;

// True, after telling the author, when `status` says the data file `fileName` could not be read.
bool ReportUnreadable(EditorContext& context, QWidget* owner, std::string_view fileName, ReadStatus status);

}  // namespace lw
