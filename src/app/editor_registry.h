#pragma once
// How the hub opens an editor: one opener per hub button. Editors register themselves in
// RegisterEditors (src/editors/register_editors.cpp); a button without an opener tells the author
// that its editor is not available yet.

#include <array>
#include <functional>

#include "core/hub/hub_rules.h"

class QWidget;

namespace lw {

struct EditorContext;

// Runs the editor modally with `parent` as its owner and returns when it has closed.
using EditorOpener = std::function<void(EditorContext& context, QWidget* parent)>;

class EditorRegistry {
public:
    void Register(HubEditor editor, EditorOpener opener);
    bool Has(HubEditor editor) const;
    // False when no editor is registered for the button.
    bool Open(HubEditor editor, EditorContext& context, QWidget* parent) const;

private:
    std::array<EditorOpener, kHubEditorCount> openers_;
};

// Fills the registry with every editor the program has.
void RegisterEditors(EditorRegistry& registry);

}  // namespace lw
