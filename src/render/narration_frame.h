#pragma once
// The narration preview (view mode 16): the picture with the narration's text laid out in its
// rectangle, in the game font, at its size and in its colour, as the game shows it. The raw text
// is shown, markup included, and only its first 1023 bytes.

#include <optional>
#include <string_view>

#include <QImage>

#include "core/media/narration_list.h"
#include "render/image_view_state.h"

namespace lw {

// The overlay mode 16 draws for `n` with `wholeText` (the chosen text, whole), or an empty
// overlay when no text is chosen, so that only the picture shows.
NarrationOverlay NarrationOverlayFor(const Narration& n, std::optional<std::string_view> wholeText);

// Sets the preview state's overlay for the narration being edited (the picture is the main image
// the dialog loads).
void SetNarrationPreview(ImageViewState& state, const Narration& n, std::optional<std::string_view> wholeText);

// The whole preview frame for `picture` (the size of the frame), composed by the preview's own
// mode 16. A null picture gives a null frame.
QImage ComposeNarrationFrame(const QImage& picture, const Narration& n, std::optional<std::string_view> wholeText,
                             const TextFont& font);

}  // namespace lw
