#include "render/narration_frame.h"

namespace lw {

NarrationOverlay NarrationOverlayFor(const Narration& n, std::optional<std::string_view> wholeText) {
    NarrationOverlay o;
    if (!wholeText) return o;
    o.text = std::string(NarrationPreviewText(*wholeText));
    o.fontHeight = n.size;
    const NarrationRect r = NarrationPreviewRect(n);
    o.left = r.left;
    o.top = r.top;
    o.right = r.right;
    o.bottom = r.bottom;
    o.colour = NarrationTextColour(n);
    return o;
}

void SetNarrationPreview(ImageViewState& state, const Narration& n, std::optional<std::string_view> wholeText) {
    state.narration = NarrationOverlayFor(n, wholeText);
}

QImage ComposeNarrationFrame(const QImage& picture, const Narration& n, std::optional<std::string_view> wholeText,
                             const TextFont& font) {
    if (picture.isNull()) return {};
    ImageViewState state;
    state.mode = ViewMode::Narration;
    state.main.image = picture;
    state.main.width = picture.width();
    state.main.height = picture.height();
    SetNarrationPreview(state, n, wholeText);
    return ComposeImageView(state, picture.size(), font);
}

}  // namespace lw
