#pragma once
// Driving an editor as the author does, for the UI tests of the editors: the project, the services
// and the context every editor test starts from (EditorTest), opening an editor from the hub and
// driving it while it runs (RunFromHub), and clicking, choosing and typing in its controls.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <functional>
#include <optional>

#include "app/editor_context.h"
#include "app/editor_registry.h"
#include "audio/music_player.h"
#include "previews/image_view.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"
#include "support/qt/modal.h"
#include "widgets/audio_glue.h"
#include "widgets/list_editor_panel.h"

namespace lw::test {

// A click with the mouse; check boxes and radio buttons are hit on their indicator, at their left end.
inline void Click(QAbstractButton* b) {
    const QPoint at = b->isCheckable() && !qobject_cast<QPushButton*>(b) ? QPoint(6, b->height() / 2) : b->rect().center();
    QTest::mouseClick(b, Qt::LeftButton, {}, at);
}

// A click on a row of a list editor or of a plain list.
inline void ClickRow(ListEditorPanel* panel, int row) {
    QTreeWidget* v = panel->view();
    v->scrollToItem(v->topLevelItem(row));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualItemRect(v->topLevelItem(row)).center());
}
inline void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// The texts (of `column`) of the rows of a list editor; of a plain list, of a drop-down.
inline QStringList Rows(const ListEditorPanel* panel, int column = 0) {
    QStringList out;
    for (int i = 0; i < panel->rowCount(); ++i) out << panel->rowText(i, column);
    return out;
}
inline QStringList Items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}
inline QStringList Items(const QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

// Chooses the drop-down's entry `text`, which must be there.
inline void Choose(QComboBox* c, const QString& text) {
    const int i = c->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    c->setCurrentIndex(i);
}

// Runs `open`, which opens a modal dialog of class D; `inDialog` works in it once it is shown.
template <class D>
void InDialog(const std::function<void()>& open, const std::function<void(D*)>& inDialog) {
    bool ran = false;
    OnNextModal<D>([&](D* d) {
        ran = true;
        inDialog(d);
    });
    open();
    EXPECT_TRUE(ran) << "the dialog did not open";
    CancelPendingModalWatches();
}

// Typing text that is not plain ASCII, as an input method delivers it.
inline void TypeText(QWidget* w, const QString& text) { QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text, Qt::NoModifier); }

// Typed over the whole of the field, in its window made active and with the focus; then the field
// keeps the focus or is left with Tab.
enum class Then { Stay, Tab };
inline void Type(QSpinBox* s, const QString& text, Then then = Then::Stay) {
    QApplication::setActiveWindow(s->window());
    s->setFocus();
    s->selectAll();
    QTest::keyClicks(s, text);
    if (then == Then::Tab) QTest::keyClick(s, Qt::Key_Tab);
}
inline void Type(QSpinBox* s, int value, Then then = Then::Stay) { Type(s, QString::number(value), then); }

// The folder the screenshot tests write their PNGs to: LW_SCREENSHOT_DIR, under a real display
// (xvfb-run with QT_QPA_PLATFORM=xcb). Empty otherwise, and the test is skipped:
//   const QString out = ScreenshotDir();
//   if (out.isEmpty()) GTEST_SKIP() << "set LW_SCREENSHOT_DIR under a display";
inline QString ScreenshotDir() {
    const char* dir = std::getenv("LW_SCREENSHOT_DIR");
    if (dir == nullptr || QGuiApplication::platformName() == "offscreen") return {};
    return QString::fromLocal8Bit(dir);
}
// The screen's `area` (with a margin) once the windows have been painted, as the PNG `path`.
inline void SaveScreenArea(const QRect& area, const QString& path, int waitMs = 400) {
    QTest::qWait(waitMs);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x() - 8, area.y() - 8, area.width() + 16,
                                                                      area.height() + 16);
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(path, "PNG")) << path.toStdString();
}

// A temporary project, the fake services and a context of both (with a real player where asked); a
// modal watch still waiting at the end of a test is stopped.
class EditorTest : public ::testing::Test {
protected:
    TempProject tp;
    FakeServices services;
    std::optional<MusicPlayer> player;
    EditorContext context;

    void SetUp() override {
        context.project = tp.project;
        context.services = &services;
    }
    void TearDown() override {
        CancelPendingModalWatches();
        if (player) player->Shutdown();
    }
    // A real player on SDL's dummy driver, for the editors that play music and sounds.
    void StartPlayer() {
        if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
        player.emplace(AudioMessagesTo(services));
        ASSERT_TRUE(player->Initialise());
        context.player = &*player;
    }

    ImageView& view() { return *context.imageView; }

    // Makes the editor, runs `drive` on it once it is shown, and cancels it if still open.
    template <class Editor>
    void RunShown(const std::function<void(Editor&)>& drive) {
        Editor editor(context, nullptr);
        QTimer::singleShot(0, [&] {
            drive(editor);
            if (editor.isVisible()) editor.reject();
        });
        editor.exec();
    }

    // Opens the editor of the hub's `button` as the hub does and runs `drive` on it once it is shown.
    template <class Editor>
    void RunFromHub(HubEditor button, const std::function<void(Editor*)>& drive) {
        EditorRegistry registry;
        RegisterEditors(registry);
        bool ran = false;
        OnNextModal<Editor>([&](Editor* e) {
            ran = true;
            QApplication::setActiveWindow(e);
            drive(e);
        });
        ASSERT_TRUE(registry.Open(button, context, nullptr));
        EXPECT_TRUE(ran);
    }
    // A click on the preview window at `point` of its picture.
    void ClickPreview(QPoint point) {
        ASSERT_NE(view().window(), nullptr);
        QTest::mouseClick(view().window(), Qt::LeftButton, {}, point);
    }
};

}  // namespace lw::test
