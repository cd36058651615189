#include "widgets/discard_guard.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextEdit>
#include <QVariant>

#include "app/services.h"
#include "widgets/kept_value.h"

namespace lw {

namespace {

constexpr const char* kAsker = "lwDiscardAsker";
constexpr const char* kIgnored = "lwIgnoreChanges";

Services* AskerFor(const QWidget* dialog) {
    for (const QWidget* w = dialog; w != nullptr; w = w->parentWidget()) {
        const QVariant asker = w->property(kAsker);
        if (asker.isValid()) return static_cast<Services*>(asker.value<void*>());
    }
    return nullptr;
}

}  // namespace

DiscardGuard::DiscardGuard(QDialog* dialog) : QObject(dialog), dialog_(dialog) {
    setObjectName(QStringLiteral("lwDiscardGuard"));
    dialog->installEventFilter(this);
}

DiscardGuard* DiscardGuard::Of(const QDialog* dialog) {
    return dialog != nullptr ? dialog->findChild<DiscardGuard*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool DiscardGuard::MayDiscard(QDialog* dialog) {
    const DiscardGuard* guard = Of(dialog);
    if (guard == nullptr || !guard->changed_) return true;
    Services* services = AskerFor(dialog);
    if (services == nullptr) return true;
    const MessageAnswer answer = services->ShowMessage(
        dialog, Message{.text = tr("変更を破棄しますか？"), .buttons = MessageButtons::YesNo,
                        .icon = MessageIcon::Question, .defaultAnswer = MessageAnswer::No});
    return answer == MessageAnswer::Yes;
}

void DiscardGuard::IgnoreChangesOf(QWidget* control) {
    if (control != nullptr) control->setProperty(kIgnored, true);
}

bool DiscardGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != dialog_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Show:
            // Watched from when the dialog's own loading on showing is done: a posted call runs
            // before the dialog's event loop does anything else.
            if (!armQueued_) {
                armQueued_ = true;
                QMetaObject::invokeMethod(this, &DiscardGuard::Arm, Qt::QueuedConnection);
            }
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && !MayDiscard(dialog_)) {
                key->accept();
                return true;
            }
            break;
        }
        case QEvent::Close:
            if (dialog_->isVisible() && !MayDiscard(dialog_)) {
                event->ignore();
                return true;
            }
            break;
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

void DiscardGuard::Arm() {
    if (armed_ || dialog_ == nullptr) return;
    armed_ = true;
    for (QWidget* w : dialog_->findChildren<QWidget*>()) {
        if (w->window() != dialog_) continue;  // a dialog or preview of its own
        Watch(w);
    }
}

void DiscardGuard::Watch(QWidget* control) {
    const auto changed = [this, control] { OnChange(control); };
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        // The fields inside spin boxes and drop-downs are watched through those.
        const QWidget* parent = edit->parentWidget();
        if (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent)) return;
        connect(edit, &QLineEdit::textChanged, this, changed);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        connect(spin, &QSpinBox::valueChanged, this, changed);
    } else if (auto* real = qobject_cast<QDoubleSpinBox*>(control)) {
        connect(real, &QDoubleSpinBox::valueChanged, this, changed);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        // Buttons change by the author's press (mouse, keys or an accessibility action, which all
        // click); a dialog checking them as it shows a record does not click. Preview and playback
        // boxes are marked with IgnoreChangesOf where they are made.
        connect(box, &QCheckBox::clicked, this, changed);
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        connect(radio, &QRadioButton::clicked, this, changed);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        WatchDocument(plain, plain->document());
    } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        WatchDocument(rich, rich->document());
    } else if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
        if (QAbstractItemModel* model = view->model()) {
            connect(model, &QAbstractItemModel::rowsInserted, this, changed);
            connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
            connect(model, &QAbstractItemModel::rowsMoved, this, changed);
            connect(model, &QAbstractItemModel::dataChanged, this, changed);
        }
    }
}

void DiscardGuard::WatchDocument(QWidget* field, QTextDocument* document) {
    // A text the dialog sets whole (setPlainText) ends with its document unmodified, but is
    // modified while it is being set; typing and inserting leave it modified. So the document is
    // looked at once the change is over.
    const QPointer<QWidget> watched(field);
    const QPointer<QTextDocument> doc(document);
    connect(document, &QTextDocument::contentsChanged, this, [this, watched, doc] {
        QMetaObject::invokeMethod(
            this, [this, watched, doc] {
                if (watched != nullptr && doc != nullptr && doc->isModified()) OnChange(watched);
            },
            Qt::QueuedConnection);
    });
}

void DiscardGuard::OnChange(QObject* control) {
    if (!armed_ || changed_) return;
    auto* widget = qobject_cast<QWidget*>(control);
    if (widget == nullptr || widget->property(kIgnored).toBool() || LoadingNow(widget)) return;
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && edit->isReadOnly()) return;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget); plain && plain->isReadOnly()) return;
    if (auto* rich = qobject_cast<QTextEdit*>(widget); rich && rich->isReadOnly()) return;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget); spin && spin->isReadOnly()) return;
    changed_ = true;
}

void AskThrough(QWidget* window, Services* services) {
    if (window != nullptr) window->setProperty(kAsker, QVariant::fromValue(static_cast<void*>(services)));
}

}  // namespace lw
