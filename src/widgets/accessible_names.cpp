#include "widgets/accessible_names.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QTreeWidget>
#include <vector>

namespace lw {

namespace {

// The name this helper gave a control; a name that differs from it was set in code and is kept.
constexpr const char* kGivenName = "lwGivenAccessibleName";

bool IsControlKind(const QWidget* w) {
    if (qobject_cast<const QScrollBar*>(w) || qobject_cast<const QHeaderView*>(w)) return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

// A control the author operates in `root`'s window (not the editor inside a spin box or a drop-down,
// not the parts of a list, not a tool window parented to the dialog).
bool IsOwnControl(const QWidget* w, const QWidget* root) {
    if (!IsControlKind(w) || w->window() != root->window()) return false;
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != root; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const QPlainTextEdit*>(p) ||
            qobject_cast<const QTextEdit*>(p))
            return false;
    }
    return true;
}

QString Clean(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(u':') || text.endsWith(u'：')) text.chop(1);
    return text.trimmed();
}

QString LabelText(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label == nullptr || label->isHidden()) return {};
    return Clean(label->text());
}

struct Spot {
    QLayout* layout = nullptr;
    int index = -1;
};

Spot FindIn(QLayout* layout, const QLayoutItem* wanted, const QWidget* widget) {
    if (layout == nullptr) return {};
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item == wanted || (widget != nullptr && item->widget() == widget)) return {layout, i};
        if (QLayout* inner = item->layout()) {
            if (Spot s = FindIn(inner, wanted, widget); s.layout != nullptr) return s;
        }
    }
    return {};
}

// Whether the layout item holds a control (then a label before it belongs to that control).
bool HoldsControl(QLayoutItem* item) {
    if (QWidget* w = item->widget()) return IsControlKind(w) && !w->isHidden();
    if (QLayout* l = item->layout()) {
        for (int i = 0; i < l->count(); ++i)
            if (HoldsControl(l->itemAt(i))) return true;
    }
    return false;
}

// The label standing before the item at `spot`: to its left in a row, above it in a column, the
// label of a form row; else the label before the layout that holds it.
QString LabelBefore(Spot spot) {
    for (int depth = 0; spot.layout != nullptr && depth < 8; ++depth) {
        QLayout* layout = spot.layout;
        if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            int row = -1;
            QFormLayout::ItemRole role;
            form->getItemPosition(spot.index, &row, &role);
            if (row >= 0 && role == QFormLayout::FieldRole) {
                if (QLayoutItem* l = form->itemAt(row, QFormLayout::LabelRole))
                    if (QString t = LabelText(l->widget()); !t.isEmpty()) return t;
            }
        } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(spot.index, &row, &column, &rowSpan, &columnSpan);
            for (int c = column - 1; c >= 0; --c) {
                QLayoutItem* item = grid->itemAtPosition(row, c);
                if (item == nullptr) continue;
                if (QString t = LabelText(item->widget()); !t.isEmpty()) return t;
                if (HoldsControl(item)) break;
            }
            if (row > 0) {
                if (QLayoutItem* above = grid->itemAtPosition(row - 1, column))
                    if (QString t = LabelText(above->widget()); !t.isEmpty()) return t;
            }
        } else if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
            const bool across = box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft;
            for (int i = spot.index - 1; i >= 0; --i) {
                QLayoutItem* item = box->itemAt(i);
                if (QString t = LabelText(item->widget()); !t.isEmpty()) return t;
                if (HoldsControl(item) || !across) break;
            }
        }
        // Climb to the layout holding this one.
        auto* parentLayout = qobject_cast<QLayout*>(layout->parent());
        if (parentLayout == nullptr) break;
        Spot up;
        for (int i = 0; i < parentLayout->count(); ++i)
            if (parentLayout->itemAt(i)->layout() == layout) up = {parentLayout, i};
        spot = up;
    }
    return {};
}

// The first label of the control's row (a grid row or a row of boxes), which tells rows apart.
QString RowHeader(Spot spot) {
    if (auto* grid = qobject_cast<QGridLayout*>(spot.layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(spot.index, &row, &column, &rowSpan, &columnSpan);
        for (int c = 0; c < column; ++c) {
            if (QLayoutItem* item = grid->itemAtPosition(row, c))
                if (QString t = LabelText(item->widget()); !t.isEmpty()) return t;
        }
    } else if (auto* box = qobject_cast<QBoxLayout*>(spot.layout)) {
        for (int i = 0; i < spot.index; ++i)
            if (QString t = LabelText(box->itemAt(i)->widget()); !t.isEmpty()) return t;
    }
    return {};
}

struct Named {
    QWidget* control;
    QString name;
    QStringList contexts;  // innermost first
    bool fixed;            // named in code, or a button's own text left to Qt
};

QString OwnText(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return Clean(b->text());
    return {};
}

// A drop-down as assistive technology sees it: named by its accessible name (the label beside it),
// its value the entry it shows. (Qt's own interface on this platform names a drop-down by its
// current entry, so the name would change with every choice.)
class DropDownAccessible : public QAccessibleWidget {
public:
    explicit DropDownAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        if (t == QAccessible::Name) {
            const QString name = QAccessibleWidget::text(t);
            return name.isEmpty() ? combo()->currentText() : name;
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return combo()->view() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && combo()->view() != nullptr ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && combo()->view() != nullptr && child->object() == combo()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view() != nullptr && combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            combo()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* DropDownFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox")) return nullptr;
    auto* combo = qobject_cast<QComboBox*>(object);
    return combo != nullptr ? new DropDownAccessible(combo) : nullptr;
}

}  // namespace

void InstallDropDownInterface() {
    static const bool installed = [] {
        QAccessible::installFactory(DropDownFactory);
        return true;
    }();
    (void)installed;
}

void NameControls(QWidget* root) {
    if (root == nullptr) return;
    std::vector<Named> controls;
    QHash<const QWidget*, QString> buddies;
    for (QLabel* label : root->findChildren<QLabel*>())
        if (label->buddy() != nullptr) buddies.insert(label->buddy(), LabelText(label));
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!IsOwnControl(w, root)) continue;
        const QString given = w->property(kGivenName).toString();
        const QString current = w->accessibleName();
        Named n{w, {}, {}, false};
        if (!current.isEmpty() && current != given) {
            n.name = current;
            n.fixed = true;
        } else if (QString own = OwnText(w); !own.isEmpty()) {
            n.name = own;
        } else {
            n.name = buddies.value(w);
        }
        const Spot spot = w->parentWidget() != nullptr ? FindIn(w->parentWidget()->layout(), nullptr, w) : Spot{};
        if (n.name.isEmpty()) n.name = LabelBefore(spot);
        if (QString header = RowHeader(spot); !header.isEmpty() && header != n.name) n.contexts << header;
        // The widgets around the control: a group box's title, or the label beside a row widget
        // (a form row holding an "X" and a "Y" field).
        for (QWidget* p = w->parentWidget(); p != nullptr && p != root && !p->isWindow(); p = p->parentWidget()) {
            QString context;
            if (auto* g = qobject_cast<QGroupBox*>(p)) {
                context = Clean(g->title());
            } else if (p->parentWidget() != nullptr) {
                context = LabelBefore(FindIn(p->parentWidget()->layout(), nullptr, p));
            }
            if (context.isEmpty()) continue;
            if (n.name.isEmpty()) {
                n.name = context;
            } else if (context != n.name && !n.contexts.contains(context)) {
                n.contexts << context;
            }
        }
        // A list or a text area that is the dialog's own subject (a record list, the command text).
        if (n.name.isEmpty() && (qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)))
            n.name = Clean(root->window()->windowTitle());
        controls.push_back(std::move(n));
    }

    // Names shared by several controls take the row or group that tells them apart, innermost first.
    for (int level = 0; level < 4; ++level) {
        QHash<QString, int> uses;
        for (const Named& n : controls) uses[n.name] += 1;
        bool changed = false;
        for (Named& n : controls) {
            if (n.fixed || n.name.isEmpty() || uses.value(n.name) < 2 || n.contexts.isEmpty()) continue;
            n.name = n.contexts.takeFirst() + QLatin1Char(' ') + n.name;
            changed = true;
        }
        if (!changed) break;
    }

    for (Named& n : controls) {
        if (n.fixed || n.name.isEmpty()) continue;
        // A button keeps Qt's name from its text unless its text alone is not enough.
        if (n.name == OwnText(n.control) && n.control->property(kGivenName).toString().isEmpty()) continue;
        n.control->setAccessibleName(n.name);
        n.control->setProperty(kGivenName, n.name);
        if (auto* tree = qobject_cast<QTreeWidget*>(n.control); tree != nullptr && tree->isHeaderHidden() &&
                                                                tree->columnCount() == 1 &&
                                                                tree->headerItem()->text(0) == QLatin1String("1"))
            tree->setHeaderLabel(n.name);
    }
}

namespace {

class RunOnShow : public QObject {
public:
    RunOnShow(std::function<void(QWidget*)> run, QObject* parent) : QObject(parent), run_(std::move(run)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) run_(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(QWidget*)> run_;
};

}  // namespace

void OnEveryShow(QWidget* dialog, const char* mark, std::function<void(QWidget*)> run) {
    if (dialog == nullptr || dialog->property(mark).toBool()) return;
    dialog->setProperty(mark, true);
    dialog->installEventFilter(new RunOnShow(std::move(run), dialog));
}

void NameControlsWhenShown(QWidget* dialog) {
    InstallDropDownInterface();
    if (dialog == nullptr || dialog->property("lwNamesControls").toBool()) return;
    OnEveryShow(dialog, "lwNamesControls", NameControls);
    if (dialog->isVisible()) NameControls(dialog);
}

void NameParts(const QString& label, std::initializer_list<QWidget*> controls, std::initializer_list<const char16_t*> parts) {
    auto part = parts.begin();
    for (QWidget* control : controls) {
        if (part == parts.end()) break;
        control->setAccessibleName(label.isEmpty() ? QString::fromUtf16(*part) : label + QLatin1Char(' ') + QString::fromUtf16(*part));
        ++part;
    }
}

}  // namespace lw
