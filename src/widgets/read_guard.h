#pragma once
// The rule every editor follows for the files it saves: a file that exists but could not be read
// (no permission, not a regular file, too large for its kind) is never saved over. The editor says
// so, naming the file, and does not open (or, for a table several editors share, does not write
// it); the author can mend the file and try again.

#include <functional>
#include <string_view>

#include "core/tagfile/file_io.h"

class QWidget;

namespace lw {

struct EditorContext;

// True, after telling the author, when `status` says the data file `fileName` could not be read.
bool ReportUnreadable(EditorContext& context, QWidget* owner, std::string_view fileName, ReadStatus status);

// An editor's OK: runs `save` with the overwrite questions asked over `owner`, unless the file was
// read as unreadable (or there is no one to ask). False when something could not be written: the
// editor then stays open with the author's work.
bool SaveUnlessUnreadable(EditorContext& context, QWidget* owner, ReadStatus status,
                          const std::function<void(SaveUi&)>& save);

}  // namespace lw
