#pragma once
// "ﾅﾚｰｼｮﾝ ﾘｽﾄ2": one narration. Its picture ("画像", shown beside the dialog while "表示" is
// checked), its music ("BGM", heard on choosing it while "再生" is checked), its text ("文章", a
// text of the text list, shown whole below the choice), the font size and typing speed, the text
// rectangle on the 320 x 240 screen, the two times in tenths of a second and the text colour.
// The preview (mode 16) lays the text out over the picture as the author edits: every typed size,
// edge and colour shows at once. OK hands the record back, Cancel leaves it as it was.

class QWidget;

namespace lw {

struct EditorContext;
struct Narration;

// Runs the dialog on `record`; true after OK, which is the only way `record` changes.
bool RunNarrationDialog(EditorContext& context, Narration& record, QWidget* parent);

}  // namespace lw
