#include "widgets/property_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/effect_animation.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"

namespace lw {

PropertyDialogParts AddPropertyEditor(QDialog* dialog, EditorContext& context, std::vector<PropertyRow> rows,
                                      PropertyDialogSetup setup) {
    auto* layout = new QVBoxLayout(dialog);
    PropertyDialogParts parts{};
    PropertyEditor* properties = new PropertyEditor(context, std::move(rows), setup.options, dialog);
    parts.properties = properties;
    for (auto& [kind, names] : setup.lists) properties->SetListNames(kind, std::move(names));
    if (!setup.lists.empty()) properties->ResetChecks();
    layout->addWidget(properties, 1);
    auto* buttons = new QHBoxLayout();
    std::tie(parts.confirm, parts.cancel) = AddDialogButtons(dialog, buttons, setup.confirmLabel);
    layout->addLayout(buttons);
    if (setup.preview) {
        QObject::connect(properties, &PropertyEditor::previewNeeded, dialog, std::move(setup.preview));
        if (setup.pickColours)
            QObject::connect(context.imageView.get(), &ImageView::colourPicked, dialog,
                             [dialog, properties](QWidget* owner, QColor colour) {
                                 if (owner == dialog) properties->PickColour(colour);
                             });
        properties->SelectRow(0);
    }
    return parts;
}

void PlayEffectInPreview(ImageView& v, QWidget* owner, const EffectAnimation& animation) {
    v.state().animate = true;
    v.state().animation = animation;
    v.SetCursorShape(Qt::ArrowCursor);
    v.RestartAnimation();
    v.ShowAnimationCell(owner, v.state().animation.imageFile);
    v.SetCaption(FromCp932(EffectDisplayName(v.state().animation)));
}

}  // namespace lw
