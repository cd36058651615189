#include "app/editor_registry.h"

namespace lw {

void EditorRegistry::Register(HubEditor editor, EditorOpener opener) {
    openers_[static_cast<std::size_t>(editor)] = std::move(opener);
}

bool EditorRegistry::Has(HubEditor editor) const { return static_cast<bool>(openers_[static_cast<std::size_t>(editor)]); }

bool EditorRegistry::Open(HubEditor editor, EditorContext& context, QWidget* parent) const {
    const auto& opener = openers_[static_cast<std::size_t>(editor)];
    if (!opener) return false;
    opener(context, parent);
    return true;
}

}  // namespace lw
