#pragma once
// The fixture of the command dialog tests: a temporary project, scripted services, the editor and
// command contexts (the current scene's groups "door", "宝箱" and one without an explanation), and
// the author's hands: clicking, typing as the controls let through, choosing, reading the
// entries of a drop-down, finding a dialog's controls by their accessible names, the warning an
// OK check gave, and running a menu position's dialog as the event command editor does.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <functional>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "previews/image_view.h"
#include "previews/map_view.h"
#include "support/core/bmp_makers.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"
#include "support/qt/named.h"
#include "widgets/accessible_names.h"
#include "support/qt/modal.h"

namespace lw::test {

class CommandDialogTest : public ::testing::Test {
protected:
    // CP932 "宝箱".
    static inline const std::string kChest = "\x95\xF3\x94\xA0";

    TempProject tp;
    FakeServices services;
    EditorContext context;
    CommandContext command{context, context.flags, {"door", kChest, ""}, 0};

    void SetUp() override {
        context.project = tp.project;
        context.services = &services;
        // Drop-downs answer by their label from the first dialog of the run on (the interface is
        // otherwise installed by the first dialog's buttons, after its drop-downs were made).
        NameControlsWhenShown(nullptr);
    }

    static void Click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }
    // Replaces what the spin box shows by `text`, typed.
    static void Type(QSpinBox* spin, const QString& text) {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
    }
    // Typed character by character: what the field's validator refuses does not go in.
    static void Type(QLineEdit* field, const QString& text) {
        field->clear();
        for (QChar c : text) field->insert(QString(c));
    }
    static void Choose(QComboBox* combo, int index) {
        combo->setFocus();
        combo->setCurrentIndex(index);
    }
    static QStringList Items(const QComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    }
    // The last message shown: its text, and that it is an OK-check warning.
    QString LastWarning() const {
        if (services.messages.empty()) return {};
        const auto& m = services.messages.back();
        EXPECT_EQ(m.caption, QStringLiteral("Lorewright"));
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        return m.text;
    }
    // The dialog's controls, found by their accessible names.
    static QComboBox* Combo(QWidget* d, const QString& name) { return NamedControl<QComboBox>(d, name); }
    static QSpinBox* Spin(QWidget* d, const QString& name) { return NamedControl<QSpinBox>(d, name); }
    static QLineEdit* Edit(QWidget* d, const QString& name) { return NamedControl<QLineEdit>(d, name); }
    static QAbstractButton* Button(QWidget* d, const QString& name) { return NamedControl<QAbstractButton>(d, name); }
    static void Press(QWidget* d, const QString& name) { Click(Button(d, name)); }
    // What the control named `name` shows: a field's text, else a drop-down's current entry.
    static QString Shown(QWidget* d, const QString& name) {
        if (const auto fields = AllNamed<QLineEdit>(d, name); !fields.isEmpty()) return fields[0]->text();
        if (const auto texts = AllNamed<QPlainTextEdit>(d, name); !texts.isEmpty()) return texts[0]->toPlainText();
        const QComboBox* combo = Combo(d, name);
        return combo ? combo->currentText() : QString();
    }
    static void Ok(QWidget* d) { Press(d, QStringLiteral("OK")); }
    static void Cancel(QWidget* d) { Press(d, QStringLiteral("ｷｬﾝｾﾙ")); }
    // One step of the author: the entry at position `value` of the drop-down named `name`, `value`
    // typed into the field of that name, or the button of that name pressed.
    static void Author(QWidget* d, const QString& name, const QString& value) {
        if (const auto combos = AllNamed<QComboBox>(d, name); !combos.isEmpty()) return Choose(combos[0], value.toInt());
        if (const auto spins = AllNamed<QSpinBox>(d, name); !spins.isEmpty()) return Type(spins[0], value);
        if (const auto fields = AllNamed<QLineEdit>(d, name); !fields.isEmpty()) return Type(fields[0], value);
        Press(d, name);
    }
    // Presses OK and gives the warning it caused ("" when none); a warned dialog stays open.
    QString OkWarning(QWidget* d) {
        const std::size_t before = services.messages.size();
        Ok(d);
        if (services.messages.size() == before) return {};
        EXPECT_TRUE(d->isVisible());
        return LastWarning();
    }
    // A folder where a list file should be: it exists and cannot be read.
    void MakeUnreadable(std::string_view name) { std::filesystem::create_directories(DataFilePath(tp.project, name)); }
    void WriteImage(const std::string& name, int width, int height) {
        WriteBytes(ImageFilePath(tp.project, name), MakeSolidBmp24(width, height, 0x3080C0));
    }
    ImageView& imageView() { return *context.imageView; }
    MapView& mapView() { return *context.mapView; }

    // The menu position's line as the event command editor gets it.
    std::optional<std::string> Run(EventCommandKind kind) { return BuildEventCommand(command, kind, nullptr); }
    // The same, with `author` working the dialog once it is shown; the author closes it.
    std::optional<std::string> Run(EventCommandKind kind, std::function<void(QDialog*)> author) {
        return Run([&] { return Run(kind); }, std::move(author));
    }
    // What `open` gives, with `author` working the dialog it opens; the author closes it.
    static std::optional<std::string> Run(const std::function<std::optional<std::string>()>& open,
                                          std::function<void(QDialog*)> author) {
        OnNextModal<QDialog>([author = std::move(author)](QDialog* d) {
            author(d);
            if (!d->isVisible()) return;
            ADD_FAILURE() << d->windowTitle().toStdString() << " stayed open";
            d->reject();
        });
        return open();
    }
};

}  // namespace lw::test
