#pragma once
// "ｱﾆﾒ ﾘｽﾄ1": the list of effect animations (image_effect.txt). The preview beside it runs the
// selected animation at its speed; "追加..." and "編集..." lead through the three steps (settings,
// frame order, frame positions); OK writes the file, Cancel writes nothing.

#include "core/media/effect_animation.h"
#include "widgets/preview_list_editor.h"

namespace lw {

class EffectListEditor : public PreviewListEditor<EffectAnimation> {
    Q_OBJECT
public:
    explicit EffectListEditor(EditorContext& context, QWidget* parent = nullptr);

    const std::vector<EffectAnimation>& animations() const { return records(); }

private:
    void ShowSelection() override;
};

// Runs the editor modally; returns 1 after OK, 0 after Cancel. When image_effect.txt exists but
// cannot be read, tells the author and returns 0 without opening.
int RunEffectListEditor(EditorContext& context, QWidget* parent);

}  // namespace lw
