#pragma once
// What the command dialogs with group choosers share besides the choosers: their refusals (a
// message captioned "Lorewright" with the exclamation icon), and the report of a list they read
// that exists but could not be read, after which the dialog does not open.

#include <QString>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "core/tagfile/file_io.h"

class QWidget;

namespace lw {

struct EditorContext;

// Shows `text` with the exclamation icon.
void WarnAuthor(EditorContext& context, QWidget* owner, const QString& text);

// True, after telling the author about the first of them, when one of the lists (data file name and
// how reading it went) could not be read.
bool ReportUnreadableList(EditorContext& context, QWidget* owner,
                          std::initializer_list<std::pair<std::string_view, ReadStatus>> lists);

// A label of the core's choice tables (UTF-8).
QString Utf8Label(std::string_view label);

// The refusal of a built line that does not fit in a stored command line.
QString LineTooLongText(std::size_t bytes, const QString& whatToShorten);

}  // namespace lw
