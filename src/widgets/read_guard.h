#pragma once
// The rule every editor follows for the files it saves: a file that exists but could not be read
// (no permission, not a regular file, too large for its kind) is never saved over. The editor says
// so, naming the file, and does not open (or, for a table several editors share, does not write
// it); the author can mend the file and try again.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tagfile/file_io.h"

class QString;
class QWidget;

namespace lw {

struct EditorContext;

// True, after telling the author, when `status` says the data file `fileName` could not be read.
bool ReportUnreadable(EditorContext& context, QWidget* owner, std::string_view fileName, ReadStatus status);
// Tells the author in one message of the data files `fileNames` that could not be read (the first
// ten named, the rest counted); nothing when there are none.
void ReportUnreadableFiles(EditorContext& context, QWidget* owner, const std::vector<std::string>& fileNames);

// An editor's OK: runs `save` with the overwrite questions asked over `owner`, unless the file was
// read as unreadable (or there is no one to ask). False when something could not be written: the
// editor then stays open with the author's work.
bool SaveUnlessUnreadable(EditorContext& context, QWidget* owner, ReadStatus status,
                          const std::function<void(SaveUi&)>& save);

// Runs `Editor(context, parent)` modally: 1 after OK, 0 after Cancel. When the editor's data file
// `fileName` exists but cannot be read, tells the author and returns 0 without opening.
template <class Editor>
int RunUnlessUnreadable(EditorContext& context, QWidget* parent, std::string_view fileName) {
    Editor editor(context, parent);
    if (ReportUnreadable(context, parent, fileName, editor.loadStatus())) return 0;
    return editor.exec();
}

// A message to the author over `owner` (nothing when there is no one to tell): Inform plain,
// Warn with the warning icon.
void Inform(EditorContext& context, QWidget* owner, const QString& text);
void Warn(EditorContext& context, QWidget* owner, const QString& text);

}  // namespace lw
