#pragma once
// The image preview as the effect animation dialogs reach it through the editor context.

#include "app/editor_context.h"
#include "previews/image_view.h"

namespace lw {

inline ImageView& EffectPreview(EditorContext& context) { return *context.imageView; }

}  // namespace lw
