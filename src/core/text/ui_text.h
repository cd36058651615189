#pragma once
// LW_UI_TEXT("lw", "...") marks a label or message of the core that the interface shows: it is the
// UTF-8 literal itself here, and the translation tools collect it under the context "lw", where
// lw::CoreText looks it up to show it in the interface language. A text that is written to a file
// is never marked.
#define LW_UI_TEXT(context, text) text
