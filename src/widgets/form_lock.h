#pragma once
// While a dialog opened from a form runs, the form behind it takes nothing: a modal dialog already
// keeps the mouse and keys away, but an accessibility action (a screen reader pressing the form's
// OK, choosing in its lists) reaches the form's controls directly. So the form's controls are
// disabled for that time, which refuses every kind of input, and come back as they were; the
// form's own accept() and reject() check IsLocked and do nothing meanwhile.
//
//   {
//       FormLock lock(this);
//       line = RunCommandDialog(..., this);   // exec() of a dialog parented to this form
//   }

#include <QPointer>
#include <vector>

class QWidget;

namespace lw {

class FormLock {
public:
    explicit FormLock(QWidget* form);
    ~FormLock();
    FormLock(const FormLock&) = delete;
    FormLock& operator=(const FormLock&) = delete;

    // True while a FormLock holds the form.
    static bool IsLocked(const QWidget* form);

private:
    QPointer<QWidget> form_;
    QPointer<QWidget> focus_;                   // where the author was
    std::vector<QPointer<QWidget>> disabled_;  // the controls this lock disabled
};

}  // namespace lw
