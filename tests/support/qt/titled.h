#pragma once
// Dialogs known by their window titles, for the tests that drive a dialog whose class is its
// editor's own: the dialog a click opens, checked by its title, and the list panel in it.
//
//   InTitled("宿屋2", [&] { Click(hub.editButton()); }, [&](QDialog* list) { Rows(PanelOf(list)); });

#include <gtest/gtest.h>

#include <QDialog>
#include <QString>
#include <functional>

#include "support/qt/editor_driver.h"
#include "widgets/list_editor_panel.h"

namespace lw::test {

// Runs `open`; `inDialog` works in the modal dialog it opens, which must be titled `title`.
inline void InTitled(const QString& title, const std::function<void()>& open,
                     const std::function<void(QDialog*)>& inDialog) {
    InDialog<QDialog>(open, [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), title);
        inDialog(d);
    });
}

// The list panel of `dialog` (its first, where it has more than one).
inline ListEditorPanel* PanelOf(QWidget* dialog) { return dialog->findChild<ListEditorPanel*>(); }

}  // namespace lw::test
