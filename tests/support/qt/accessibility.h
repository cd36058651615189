#pragma once
// Driving the editors as assistive technology does: controls found by their accessible names and
// changed through Qt's accessibility interfaces, and nested modal dialogs played or explored by
// their window titles.
//
//   PlayDialogs([&] { registry.Open(HubEditor::BackImages, context, nullptr); },
//               {{"背景画像", [](QDialog* d) { AccessibleToggle(Named(d, "加算")); }, "OK"}});

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace lw::test {

// What is wrong with the names of a window's controls, as its accessibility tree shows them: a
// control without a name, a drop-down named by the entry it shows, a name several controls share.
QStringList NamingProblems(QWidget* window);

// The visible control of `window` whose accessible name is `name`; fails the test and returns null
// when there is none or more than one.
QWidget* Named(QWidget* window, const QString& name);

// Changes through the accessibility interfaces; each fails the test and returns false when the
// control does not offer the interface.
bool AccessibleToggle(QWidget* control);                          // QAccessibleActionInterface
bool AccessibleSetText(QWidget* control, const QString& text);    // QAccessibleEditableTextInterface
bool AccessibleSetValue(QWidget* control, double value);          // QAccessibleValueInterface

// One modal dialog of a run: when the dialog titled `title` is the active modal dialog, `act` runs
// on it, then the button whose accessible name or text is `press` is clicked (none when empty).
struct DialogStep {
    QString title;
    std::function<void(QDialog*)> act;
    QString press;
};

// Runs `open` (which returns when its dialog has closed) while the steps are played in order.
// Returns the titles of the steps that were never reached; should the run stall, every open
// modal dialog is rejected so that `open` returns.
QStringList PlayDialogs(const std::function<void()>& open, std::vector<DialogStep> steps);

// Runs `open` and visits every modal dialog it leads to: `visit` runs on each, then the explorer
// goes one step deeper ("次へ", or "編集..." on the first row of its list, or "追加..."), and
// rejects the dialog when that step has returned. Returns the titles visited, in order.
QStringList ExploreDialogs(const std::function<void()>& open, const std::function<void(QDialog*)>& visit);

}  // namespace lw::test
