#pragma once
// The setup every property-editor dialog shares (basic settings, magic, monsters, NPCs, the player
// character): the PropertyEditor over the confirming button and "ｷｬﾝｾﾙ", the drop-down lists it
// chooses from, the preview following the selected row, and colours picked in the preview going
// to the row. The dialog keeps what differs: its rows, its preview, what OK does.
//
//   PropertyDialogParts parts = AddPropertyEditor(this, context_, MagicRows(magic, max),
//       {.lists = {{RowKind::Sound, LoadTableNames(project, AudioList::Sound)}},
//        .preview = [this](int row) { ShowPreview(row); }});

#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "widgets/property_editor.h"

class QDialog;
class QPushButton;

namespace lw {

struct EditorContext;
struct EffectAnimation;
class ImageView;

struct PropertyDialogSetup {
    PropertyEditor::Options options = {};
    // The entries of the Sound, Bgm and Effect drop-downs; when any are given the two check boxes
    // start cleared (PropertyEditor::ResetChecks).
    std::vector<std::pair<RowKind, std::vector<std::string>>> lists = {};
    QString confirmLabel = QStringLiteral("OK");
    // Shows the preview of a row (PropertyEditor::previewNeeded); given, the first row is selected.
    std::function<void(int row)> preview = {};
    // A colour clicked in the preview of this dialog is the current row's (PropertyEditor::PickColour).
    bool pickColours = false;
};

struct PropertyDialogParts {
    PropertyEditor* properties;
    QPushButton* confirm;
    QPushButton* cancel;
};

// Lays out `dialog`: the property editor on `rows`, the buttons under it.
PropertyDialogParts AddPropertyEditor(QDialog* dialog, EditorContext& context, std::vector<PropertyRow> rows,
                                      PropertyDialogSetup setup);

// Plays `animation` in the preview of `owner`, captioned with its name.
void PlayEffectInPreview(ImageView& view, QWidget* owner, const EffectAnimation& animation);

}  // namespace lw
