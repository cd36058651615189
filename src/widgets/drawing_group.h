#pragma once
// How a placed picture is drawn, as the editors show it: the group "描画" with the radio buttons
// "不透明", "加算" and "透明度", the check box "ｶﾗｰｷｰあり" and the group of the key colour
// (caption "ｶﾗｰｷｰ") with "赤", "緑" and "青" spins of 0 to 255, bound to a DrawSpec.
//
//   DrawingGroup drawing(this);
//   drawing.LoadSpec(record.spec);                        // shows it; nothing is stored
//   connect(&drawing, &DrawingGroup::specEdited, [&] { record.spec = drawing.Spec(); });
//   connect(&view, &ImageView::colourPicked, [&](QWidget* o, QColor c) { if (o == this) drawing.PickColour(c); });
//
// Values the author did not touch come back as loaded (a mode of 7, a key flag of 2, a red of 300),
// so a record confirmed unchanged is written back as it was read. A colour typed beyond 0..255 is
// taken as the nearest bound when its field is left; one within it is taken at once.
//
// The colour fields serve the colour rows of a property editor as well (LoadColour / Colour, with
// the caption "色").

#include <QWidget>

#include "core/settings/drawing.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace lw {

class NumberSpin;

class DrawingGroup : public QWidget {
    Q_OBJECT
public:
    struct Options {
        // The key colour can be edited only while "ｶﾗｰｷｰあり" is checked (picks still set it).
        bool colourFollowsKeyFlag = true;
    };
    explicit DrawingGroup(QWidget* parent = nullptr);
    DrawingGroup(Options options, QWidget* parent);

    void LoadSpec(const DrawSpec& spec);
    DrawSpec Spec() const;
    void LoadColour(const Rgb& colour);
    Rgb Colour() const;

    // A colour picked in the preview: the three fields show it and it counts as typed.
    void PickColour(const QColor& colour);
    // Takes what is typed in the colour fields now, as leaving them would.
    void InterpretTyped();

    void SetColourCaption(const QString& caption);
    void SetModeEnabled(bool enabled);
    void SetKeyFlagEnabled(bool enabled);
    void SetColourEnabled(bool enabled);

    QGroupBox* modeGroup() const { return modeGroup_; }
    QRadioButton* modeButton(int mode) const;
    QCheckBox* keyBox() const { return keyOn_; }
    QGroupBox* colourGroup() const { return colourGroup_; }
    NumberSpin* redSpin() const { return red_; }
    NumberSpin* greenSpin() const { return green_; }
    NumberSpin* blueSpin() const { return blue_; }

signals:
    // A mode was chosen, "ｶﾗｰｷｰあり" changed, a colour field changed or a colour was picked: any
    // change but a load, by mouse, keys, accessibility action or program.
    void specEdited();
    // A colour field changed or a colour was picked.
    void colourEdited();

private:
    void UpdateColourEnabling();
    void ColourChanged();

    Options options_;
    int loadedMode_ = kDrawOpaque;
    bool colourEnabled_ = true;
    bool loading_ = false;
    QGroupBox* modeGroup_;
    QButtonGroup* modes_;
    QCheckBox* keyOn_;
    QGroupBox* colourGroup_;
    NumberSpin* red_;
    NumberSpin* green_;
    NumberSpin* blue_;
};

}  // namespace lw
