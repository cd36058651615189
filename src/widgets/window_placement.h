#pragma once
// Puts a preview window beside the dialog that owns it (PlaceBeside of core/layout), on the
// dialog's screen, never over the dialog while the screen has room elsewhere.

class QWidget;

namespace lw {

void MoveBesideOwner(QWidget* window, const QWidget* owner);

}  // namespace lw
