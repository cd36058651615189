#pragma once
// The command dialogs only the text-list editor uses (the music, sound, face, number and
// earthquake dialogs are shared with the event command editor: src/editors/events). Each is a command dialog
// frame (editors/events/command_dialog.h) building one talk command; line() is its markup in CP932
// once OK was pressed.
//
//   PositionCommandDialog   "会話ｺﾏﾝﾄﾞ(顔画像位置)" / "会話ｺﾏﾝﾄﾞ(文字位置)"  "<pos_face %d %d>" / "<pos_talk %d %d>"
//   BackgroundCommandDialog "会話ｺﾏﾝﾄﾞ(背景画像)"    "<name_back %s>"
//   AnimationCommandDialog  "会話ｺﾏﾝﾄﾞ(ｱﾆﾒ表示)"     "<anim %d %d %d %d>"

#include <vector>

#include "editors/events/command_dialog.h"

namespace lw {

// A reference picture of the image folder shown in the preview (view mode 22, cross-hair): a click
// on it puts the point into "X" (0..320) and "Y" (0..240). OK and Cancel close the preview (mode 0).
class PositionCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    enum class Target { Face, Text };
    PositionCommandDialog(EditorContext& context, Target target, QWidget* parent = nullptr);
    QComboBox* imageChoice() const { return image_; }
    NumberSpin* xField() const { return x_; }
    NumberSpin* yField() const { return y_; }

private:
    std::optional<std::string> Build() override;
    Target target_;
    QComboBox* image_;
    NumberSpin* x_;
    NumberSpin* y_;
};

// A picture of the image folder, shown in the preview when chosen. OK: "<name_back %s>" with the
// chosen name (empty when none); OK and Cancel close the preview.
class BackgroundCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    BackgroundCommandDialog(EditorContext& context, QWidget* parent = nullptr);
    QComboBox* imageChoice() const { return image_; }

private:
    std::optional<std::string> Build() override;
    QComboBox* image_;
};

// An effect animation (the effect table is loaded on opening and released on closing), previewed
// in view mode 2 while "画像表示" is checked; the identifier 0..255, the kind and what the text does
// meanwhile. OK without an animation says "ｱﾆﾒ番号を選択してください" and stays open.
class AnimationCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    AnimationCommandDialog(EditorContext& context, QWidget* parent = nullptr);
    QComboBox* animationChoice() const { return animation_; }
    QCheckBox* showBox() const { return show_; }
    NumberSpin* idField() const { return id_; }
    QRadioButton* kindButton(int kind) const { return kinds_[static_cast<std::size_t>(kind)]; }
    QRadioButton* textButton(int text) const { return texts_[static_cast<std::size_t>(text)]; }

private:
    std::optional<std::string> Build() override;
    void ShowPreview() override;
    void Leave() override;
    QComboBox* animation_;
    QCheckBox* show_;
    NumberSpin* id_;
    std::vector<QRadioButton*> kinds_;
    std::vector<QRadioButton*> texts_;
};

}  // namespace lw
