#pragma once
// "変更を破棄しますか？": asked when the author cancels an editor dialog ("ｷｬﾝｾﾙ", Escape or the
// close box) after changing something in it; with nothing changed the dialog closes at once. Every
// dialog whose buttons come from AddDialogButtons has one; the dialog itself does nothing for it.
//
// What counts as a change, from the moment the dialog is first shown: a value of an editing
// control (line edit, text field, spin box, drop-down) changing other than by its loader (the
// kept_value Load* functions; a text field's whole text set by the dialog), a check box or radio
// button pressed, and rows of a list being added, removed, moved or renewed. Read-only fields and
// controls marked with IgnoreChangesOf (the preview and playback boxes, a chooser of what is shown
// such as a scene chooser) do not count. Once changed, the dialog stays changed until it closes.
//
// The question goes through the Services registered with AskThrough on the dialog or a window
// above it (the main window registers the program's); below no such window a dialog closes at
// once, as it always did.

#include <QObject>
#include <QPointer>

class QDialog;
class QTextDocument;
class QWidget;

namespace lw {

class Services;

class DiscardGuard : public QObject {
    Q_OBJECT
public:
    explicit DiscardGuard(QDialog* dialog);

    // The guard of a dialog, or none.
    static DiscardGuard* Of(const QDialog* dialog);
    // True when the dialog may close without its changes: nothing changed, no one to ask, or the
    // author answered Yes.
    static bool MayDiscard(QDialog* dialog);
    // Changes of `control` choose what the dialog shows; they are no change of the author's.
    static void IgnoreChangesOf(QWidget* control);

    void MarkChanged() { changed_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Arm();
    void Watch(QWidget* control);
    void WatchDocument(QWidget* field, QTextDocument* document);
    void OnChange(QObject* control);

    QPointer<QDialog> dialog_;
    bool armQueued_ = false;
    bool armed_ = false;
    bool changed_ = false;
};

// Registers who asks the question for the dialogs at and below `window`.
void AskThrough(QWidget* window, Services* services);

}  // namespace lw
