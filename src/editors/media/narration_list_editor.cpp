#include "editors/media/narration_list_editor.h"

#include <QTreeWidget>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/media/narration_dialog.h"
#include "previews/image_view.h"

namespace lw {

// The list shows the picture alone (view mode none).
NarrationListEditor::NarrationListEditor(EditorContext& context, QWidget* parent)
    : PreviewListEditor(context, {tr("ﾅﾚｰｼｮﾝﾘｽﾄ1"), RefTarget::Narration, {240, 260}, ViewMode::None},
                        {kNarrationFile, LoadNarrationList, SaveNarrationList, NarrationListBytes},
                        [](const Narration& n) { return QStringList{FromCp932(NarrationLabel(n))}; }, parent) {
    OnEditStep(
        [this](Narration& working, bool) {
            return RunStep([&] { return NarrationDialog(context_, working, this).exec() == QDialog::Accepted; });
        },
        NewNarrationDefaults);
    // The basic settings give the preview its font.
    LoadGameSettings(context_.project, context_.settings);
    Load();
}

void NarrationListEditor::ShowSelection() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    const Narration* selected = selectedRecord();
    bool shown = false;
    if (selected && showChecked()) {
        const QString name = FromCp932(NarrationLabel(*selected));
        shown = v.ShowImageByName(this, name) && v.state().main.exists();
        if (shown) v.SetCaption(name);
    }
    if (shown) {
        v.Show();
    } else {
        v.Hide();
    }
    panel()->view()->setFocus();
}

int RunNarrationListEditor(EditorContext& context, QWidget* parent) {
    return RunPreviewList<NarrationListEditor>(context, parent);
}

}  // namespace lw
