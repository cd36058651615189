#pragma once
// The earthquake command. Event mode: caption "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(地震)", line "quake ..."; talk mode:
// caption "会話ｺﾏﾝﾄﾞ(地震)", markup "<quake ...>" (BuildEarthquake in both, three, four or five
// fields). "速度" 1..100 (3), "振幅" "X" -320..320 (5) and "Y" -240..240 (0), "回数" 1..100 (1), and
// the group "地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ": "なし" then the group numbers, the chosen group's explanation
// shown read-only beside "説明".
//
// `groupExplanations` are the explanations (CP932) of the groups offered, in group order: the
// current scene's groups in event mode. A text of the text list belongs to no scene, so the text
// editor offers every group number a scene can have (TalkModeGroups()).

#include <vector>

#include "core/events/event_commands.h"
#include "editors/events/command_dialog.h"

class QLineEdit;

namespace lw {

// 256 groups without explanations.
std::vector<std::string> TalkModeGroups();

class EarthquakeCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    EarthquakeCommandDialog(EditorContext& context, CommandDialogMode mode, std::vector<std::string> groupExplanations,
                            QWidget* parent = nullptr);

    CommandDialogMode mode() const { return mode_; }
    // The values as the controls hold them now (typed text taken).
    QuakeCommand quake() const;

    NumberSpin* speedField() const { return speed_; }
    NumberSpin* xField() const { return x_; }
    NumberSpin* yField() const { return y_; }
    NumberSpin* countField() const { return count_; }
    GroupChooser* afterGroup() const { return group_; }
    QComboBox* groupChoice() const;
    QLineEdit* explanation() const;

protected:
    std::optional<std::string> Build() override;

private:
    CommandDialogMode mode_;
    NumberSpin* speed_;
    NumberSpin* x_;
    NumberSpin* y_;
    NumberSpin* count_;
    GroupChooser* group_;
};

std::optional<std::string> RunEarthquakeCommand(EditorContext& context, CommandDialogMode mode,
                                                std::vector<std::string> groupExplanations, QWidget* parent);

}  // namespace lw
