#include "support/qt/accessibility.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <memory>

namespace lw::test {

namespace {

bool IsControlRole(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown: return true;
    default: return false;
    }
}

// Roles whose children are their own parts (rows, cells, the popup list), not controls.
bool IsWhole(QAccessible::Role role) {
    return IsControlRole(role) || role == QAccessible::ScrollBar;
}

QString Describe(QAccessibleInterface* i) {
    const QObject* o = i->object();
    const QString cls = o != nullptr ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("?");
    return QStringLiteral("%1 showing \"%2\"").arg(cls, i->text(QAccessible::Value));
}

void Collect(QAccessibleInterface* parent, std::vector<QAccessibleInterface*>& out) {
    for (int k = 0; k < parent->childCount(); ++k) {
        QAccessibleInterface* c = parent->child(k);
        if (c == nullptr || c->state().invisible) continue;
        if (IsControlRole(c->role())) out.push_back(c);
        if (!IsWhole(c->role())) Collect(c, out);
    }
}

std::vector<QAccessibleInterface*> Controls(QWidget* window) {
    std::vector<QAccessibleInterface*> out;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window)) Collect(root, out);
    return out;
}

QAccessibleInterface* InterfaceOf(QWidget* control) {
    QAccessibleInterface* i = control != nullptr ? QAccessible::queryAccessibleInterface(control) : nullptr;
    EXPECT_NE(i, nullptr);
    return i;
}

QAbstractButton* ButtonNamed(QWidget* window, const QString& name) {
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisible() || !b->isEnabled() || b->window() != window) continue;
        if (b->accessibleName() == name || QString(b->text()).remove(QLatin1Char('&')) == name) return b;
    }
    return nullptr;
}

// A poll of the active modal dialog on every turn of whichever event loop runs.
class ModalPoller {
public:
    // `onDialog` returns whether it did something with the dialog.
    explicit ModalPoller(std::function<bool(QDialog*)> onDialog) : onDialog_(std::move(onDialog)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(1);
    }
    // The dialog is being driven (a press that may run nested dialogs is under way): not offered again.
    QSet<QDialog*> busy;
    // Rounds without anything to do before the run counts as stalled.
    int idleRounds = 0;
    static constexpr int kStalled = 20000;
    bool stalled = false;

private:
    void Poll() {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d != nullptr && d->isVisible() && !busy.contains(d) && onDialog_(d)) {
            idleRounds = 0;
            return;
        }
        // Nothing to do: waiting for a dialog, or for one that never comes.
        if (++idleRounds > kStalled && !stalled) Unwind();
    }
    void Unwind() {
        stalled = true;
        ADD_FAILURE() << "the dialogs stalled; every modal dialog is rejected";
        while (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            d->reject();
            if (QApplication::activeModalWidget() == d) d->hide();
        }
    }
    std::function<bool(QDialog*)> onDialog_;
    QTimer timer_;
};

// Clicks `button` on the next turn of the loop (its click may run a nested dialog), then runs
// `after`; the dialog stays busy meanwhile.
void PressLater(ModalPoller& poller, QDialog* d, QAbstractButton* button, std::function<void()> after) {
    poller.busy.insert(d);
    QPointer<QDialog> dialog(d);
    QPointer<QAbstractButton> target(button);
    QTimer::singleShot(0, [&poller, d, dialog, target, after = std::move(after)] {
        if (target) target->click();
        if (dialog) after();
        poller.busy.remove(d);
    });
}

}  // namespace

QStringList NamingProblems(QWidget* window) {
    QStringList problems;
    QHash<QString, int> uses;
    const std::vector<QAccessibleInterface*> controls = Controls(window);
    for (QAccessibleInterface* c : controls) {
        const QString name = c->text(QAccessible::Name).trimmed();
        if (name.isEmpty()) {
            problems << QStringLiteral("unnamed: %1").arg(Describe(c));
        } else if (c->role() == QAccessible::ComboBox && name == c->text(QAccessible::Value) &&
                   static_cast<QWidget*>(c->object())->accessibleName().isEmpty()) {
            problems << QStringLiteral("named by its entry: %1").arg(Describe(c));
        } else {
            uses[name] += 1;
        }
    }
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        if (it.value() > 1) problems << QStringLiteral("\"%1\" names %2 controls").arg(it.key()).arg(it.value());
    problems.sort();
    return problems;
}

QWidget* Named(QWidget* window, const QString& name) {
    QWidget* found = nullptr;
    int count = 0;
    for (QAccessibleInterface* c : Controls(window)) {
        if (c->text(QAccessible::Name) != name) continue;
        found = qobject_cast<QWidget*>(c->object());
        ++count;
    }
    EXPECT_EQ(count, 1) << "controls named \"" << name.toStdString() << "\" in " << window->windowTitle().toStdString();
    return count == 1 ? found : nullptr;
}

bool AccessibleToggle(QWidget* control) {
    QAccessibleInterface* i = InterfaceOf(control);
    QAccessibleActionInterface* action = i != nullptr ? i->actionInterface() : nullptr;
    const bool offered = action != nullptr && action->actionNames().contains(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(offered) << "no toggle action";
    if (offered) action->doAction(QAccessibleActionInterface::toggleAction());
    return offered;
}

bool AccessibleSetText(QWidget* control, const QString& text) {
    QAccessibleInterface* i = InterfaceOf(control);
    QAccessibleEditableTextInterface* edit = i != nullptr ? i->editableTextInterface() : nullptr;
    QAccessibleTextInterface* shown = i != nullptr ? i->textInterface() : nullptr;
    EXPECT_NE(edit, nullptr) << "no editable text";
    if (edit == nullptr) return false;
    const int length = shown != nullptr ? shown->characterCount() : 0;
    edit->replaceText(0, length, text);
    return true;
}

bool AccessibleSetValue(QWidget* control, double value) {
    QAccessibleInterface* i = InterfaceOf(control);
    QAccessibleValueInterface* v = i != nullptr ? i->valueInterface() : nullptr;
    EXPECT_NE(v, nullptr) << "no value";
    if (v == nullptr) return false;
    v->setCurrentValue(value);
    return true;
}

QStringList PlayDialogs(const std::function<void()>& open, std::vector<DialogStep> steps) {
    std::size_t next = 0;
    std::unique_ptr<ModalPoller> poller;
    poller = std::make_unique<ModalPoller>([&](QDialog* d) {
        if (next >= steps.size() || d->windowTitle() != steps[next].title) return false;
        DialogStep& step = steps[next++];
        if (step.act) step.act(d);
        if (step.press.isEmpty()) return true;
        QAbstractButton* button = ButtonNamed(d, step.press);
        EXPECT_NE(button, nullptr) << "no button \"" << step.press.toStdString() << "\" in " << step.title.toStdString();
        if (button != nullptr) PressLater(*poller, d, button, [] {});
        return true;
    });
    open();
    poller.reset();
    QStringList missed;
    for (std::size_t i = next; i < steps.size(); ++i) missed << steps[i].title;
    return missed;
}

QStringList ExploreDialogs(const std::function<void()>& open, const std::function<void(QDialog*)>& visit) {
    QStringList titles;
    // Kept as guarded pointers: a later dialog may be made where a closed one was.
    QList<QPointer<QDialog>> visited;
    std::unique_ptr<ModalPoller> poller;
    poller = std::make_unique<ModalPoller>([&](QDialog* d) {
        for (const QPointer<QDialog>& seen : visited)
            if (seen == d) return false;
        visited << QPointer<QDialog>(d);
        titles << d->windowTitle();
        visit(d);
        // Deeper, one way after the other: the first record ("編集..."), else a new one ("追加..."),
        // then the next step of a chain ("次へ").
        QPointer<QAbstractButton> record;
        if (QAbstractButton* edit = ButtonNamed(d, QStringLiteral("編集..."))) {
            for (QAbstractItemView* list : d->findChildren<QAbstractItemView*>()) {
                if (!list->isVisible() || list->model() == nullptr || list->model()->rowCount() == 0) continue;
                list->setCurrentIndex(list->model()->index(0, 0));
                if (edit->isEnabled()) {  // the list "編集..." edits
                    record = edit;
                    break;
                }
            }
        }
        if (record == nullptr) record = ButtonNamed(d, QStringLiteral("追加..."));
        QPointer<QAbstractButton> next = ButtonNamed(d, QStringLiteral("次へ"));
        QPointer<QDialog> dialog(d);
        PressLater(*poller, d, record, [dialog, next] {
            if (next && dialog->isVisible()) next->click();
            if (dialog && dialog->isVisible()) dialog->reject();
        });
        return true;
    });
    open();
    poller.reset();
    return titles;
}

}  // namespace lw::test
