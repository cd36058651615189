#include "widgets/form_lock.h"

#include <algorithm>

#include <QVariant>
#include <QWidget>

namespace lw {

namespace {
constexpr const char* kLockCount = "lwFormLocks";
}  // namespace

FormLock::FormLock(QWidget* form) : form_(form) {
    if (form == nullptr) return;
    focus_ = form->focusWidget();
    form->setProperty(kLockCount, form->property(kLockCount).toInt() + 1);
    // The form's own controls: its child widgets that are not windows of their own (the dialog
    // being run, the previews) and are enabled now. Disabling them disables everything inside.
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isEnabledTo(form)) continue;
        child->setEnabled(false);
        disabled_.emplace_back(child);
    }
}

FormLock::~FormLock() {
    if (form_ == nullptr) return;
    for (const QPointer<QWidget>& child : disabled_)
        if (child != nullptr) child->setEnabled(true);
    form_->setProperty(kLockCount, std::max(0, form_->property(kLockCount).toInt() - 1));
    if (focus_ != nullptr && focus_->isEnabled() && focus_->isVisible()) focus_->setFocus();
}

bool FormLock::IsLocked(const QWidget* form) { return form != nullptr && form->property(kLockCount).toInt() > 0; }

}  // namespace lw
