#include "app/editor_registry.h"

namespace lw {

void RegisterEditors(EditorRegistry& /*registry*/) {
    // Each editor adds one line here: registry.Register(HubEditor::X, [](EditorContext& c, QWidget* p) { ... });
}

}  // namespace lw
