#pragma once
// The image preview: one small always-on-top tool window shared by every editor, showing the
// image, animation or layout being edited and turning clicks on it into values for the dialog that
// uses it. Its state (ImageViewState) outlives the window: pictures stay loaded and the view mode
// stays until a dialog changes them.
//
// A dialog uses it like this:
//
//   ImageView& view = context.imageView;
//   view.Open(this);                                   // hidden window, parented to this dialog
//   view.SetMode(ViewMode::ChipArea, this);            // mode, owner of its clicks, cursor
//   view.state().animation = workingRecord;            // what the mode draws
//   connect(&view, &ImageView::colourPicked, this, [this](QWidget* owner, QColor c) {
//       if (owner == this) ...;                        // only the owner of the mode's clicks acts
//   });
//   view.ShowOrHideComboImage(this, imageCombo, showBox->isChecked());
//   ...
//   view.Close();                                      // on OK and on Cancel, then
//   view.SetMode(ViewMode::None);                      // or the mode of the dialog returned to
//
// Clicks are signalled only while the owner of the mode's group of clicks exists.

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <string_view>

#include "core/project/project.h"
#include "core/settings/game_settings.h"
#include "render/image_view_state.h"

class QAbstractItemView;
class QComboBox;
class QSpinBox;

namespace lw {

class ImageViewWindow;

class ImageView : public QObject {
    Q_OBJECT

public:
    // The project gives the image folder, the settings the text font; both outlive the view.
    ImageView(const Project& project, const GameSettings& settings, QObject* parent = nullptr);
    ~ImageView() override;

    ImageViewState& state() { return state_; }
    const ImageViewState& state() const { return state_; }

    // Creates the window, hidden, at (0, 0) with no size, as a tool window of `ownerDialog`. A
    // window that is open already is closed first (its pictures stay).
    void Open(QWidget* ownerDialog);
    bool IsOpen() const { return window_ != nullptr; }
    bool IsShown() const;
    QWidget* window() const;

    // Sets the view mode; `owner` (when given) becomes the owner of that mode's clicks. The cursor
    // becomes a cross-hair in the picking modes and the arrow otherwise.
    void SetMode(ViewMode mode, QWidget* owner = nullptr);
    void SetOwner(OwnerSlot slot, QWidget* owner);
    QWidget* owner(OwnerSlot slot) const;
    void SetCursorShape(Qt::CursorShape shape);
    // Mode 21: the owner's spin boxes of sprite `index` (0..5), set to the sprite's position while
    // it is dragged.
    void SetSpriteSpinBoxes(int index, QSpinBox* x, QSpinBox* y);

    // Picture slots: the previous picture is dropped, then the file of the image folder loaded
    // (the slot stays empty when it does not load). An empty name only drops the picture.
    void LoadMainImage(std::string_view fileName);
    void LoadSecondImage(std::string_view fileName);
    void LoadSpriteImage(int index, std::string_view fileName);

    // False, changing nothing, for an empty name or "なし" (none); otherwise loads the main image
    // and fits the window to it.
    bool ShowImageByName(QWidget* dialog, const QString& fileName);
    // The selected text of a combo box or list (false when nothing is selected); on success the
    // window is captioned with the file name.
    bool ShowComboImage(QWidget* dialog, const QComboBox* combo);
    bool ShowListImage(QWidget* dialog, const QAbstractItemView* list);
    // As above, then the window is shown when `show` is set and the picture loaded, hidden
    // otherwise. The list variant gives the keyboard focus back to the list.
    bool ShowOrHideComboImage(QWidget* dialog, const QComboBox* combo, bool show);
    bool ShowOrHideListImage(QWidget* dialog, QAbstractItemView* list, bool show);

    // The current animation's image as the main image, its size the animation's cell size; the
    // window fitted to one cell and shown (hidden when the file does not load).
    void ShowAnimationCell(QWidget* dialog, std::string_view fileName);
    // The built-in 128 x 128 colour palette as the main image, the window fitted to it, shown and
    // captioned "色選択（画像をｸﾘｯｸ）"; the focus goes back to `focusBack` when given.
    void ShowPalettePicker(QWidget* dialog, QWidget* focusBack = nullptr);

    // Moves the window beside the dialog (against its right edge, level with its top, where the
    // screen has room; never over it while the screen has room elsewhere), with a client area of
    // the main image's size (or 320 x 240), and repaints. Nothing without a window or main image.
    void FitViewToImage(QWidget* dialog);
    void FitViewTo320x240(QWidget* dialog);

    void Show();
    void Hide();
    void SetCaption(const QString& caption);
    QString caption() const;
    void Repaint();

    // Starts or restarts the animation timer at AnimationPeriodMs(wait) from frame 0 (only while
    // the window exists).
    void RestartAnimation();
    // Stops the timer and shows frame 0.
    void StopAnimation();
    bool IsAnimating() const { return timer_.isActive(); }
    int animationPeriod() const { return timer_.interval(); }

    // Drops the main image (and, for the second, the six sprites) and closes the window.
    void Close();
    void CloseWithSprites();

    // The frame the window shows now.
    QImage ComposeFrame() const;

    // Mouse input in window coordinates (the window forwards its events here).
    void HandleLeftButton(QPoint point);
    void HandleMouseMove(QPoint point, bool leftButtonHeld);

signals:
    // A colour picked in modes 1, 3, 6, 7 and 15.
    void colourPicked(QWidget* owner, QColor colour);
    // The hovered cell clicked in mode 4.
    void cellPicked(QWidget* owner, int column, int row);
    // A point clicked in modes 22 and 23, and in mode 19 relative to the main image's centre.
    void pointPicked(QWidget* owner, QPoint point);

protected:
    // Keeps the window beside the dialog that owns it when the dialog moves or changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ImageViewWindow;
    void OnTick();
    void OnWindowClosing();
    void LoadSlot(Picture& slot, std::string_view fileName);
    void Fit(QWidget* dialog, int width, int height);

    const Project& project_;
    const GameSettings& settings_;
    ImageViewState state_;
    ImageViewWindow* window_ = nullptr;  // the open window, or none
    QTimer timer_;
    std::array<QPointer<QWidget>, kOwnerSlotCount> owners_;
    std::array<QPointer<QSpinBox>, kSpriteCount> spriteX_;
    std::array<QPointer<QSpinBox>, kSpriteCount> spriteY_;
    Qt::CursorShape cursor_ = Qt::ArrowCursor;
};

}  // namespace lw
