#pragma once
// "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ": the event command editor, in two forms sharing one group editing panel (group
// chooser, group count 1..256, explanation, the multi-line text of the group, the 33-entry command
// menu and "元に戻す").
//
// Scene form (the hub's "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"): a chooser over every scene file of the data folder, each
// read into its own record, and "表示", which shows the chosen scene in the map view. Switching
// scenes keeps the group number. OK writes every scene file that was read (one overwrite question
// each) and flag_exp.txt; a scene file that could not be read is marked, cannot be edited and is
// never written; Cancel writes nothing.
//
// Owner form (EditOwnerGroups, owner_groups.h): the groups of one scene catalog entry, edited in
// place, and the chooser of the group the owner runs ("なし" first). Cancel puts the entry's groups
// and the flag explanations back as they were.
//
// A command of the menu runs when the author asks for it (a click, Enter or a double-click on an
// entry), never because the menu's current entry moved; while its dialog is open the form behind
// it takes nothing (FormLock). Group choosers list each group with its explanation.
//
// The group's text is stored into the group when another group, another scene or another count is
// chosen, and on OK. Text that does not fit a group (a 65th line, a line over 63 bytes, a character
// the files cannot hold, group_text.h) is never cut: the author is told what and where, and stays
// on the group until it fits. Groups above a lowered count are kept while the editor is open, so
// raising the count brings them back; only the counted groups are written.
//
// The scene form deletes and moves groups ("削除", "上へ移動", "下へ移動" beside the group chooser).
// Groups are referred to by number from the scene's exits and event positions, its command lines
// and the NPCs and chests it lists: before a change that moves a referred number the author is
// asked whether the references follow (reference_keeper.h), and OK writes the renumbered NPC and
// chest lists with the scene files, all of them or none.

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/events/event_commands.h"
#include "core/events/flag_explanations.h"
#include "core/events/group_text.h"
#include "core/tagfile/file_io.h"
#include "core/world/scene.h"
#include "widgets/numbered_file_list.h"
#include "editors/events/owner_groups.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace lw {

struct EditorContext;
class SceneCatalogEntry;
class ReferenceKeeper;
struct SceneGroupHolders;

// A scene file as the scene form holds it; only Ok records are edited and written.
struct EventSceneRecord : SceneRow {
    std::vector<EventCommandGroup> hidden;  // groups above a lowered count
};

class EventCommandEditor : public QDialog {
    Q_OBJECT
public:
    enum class Form { Scene, Owner };

    // The scene form: reads every scene file.
    explicit EventCommandEditor(EditorContext& context, QWidget* parent = nullptr);
    // The owner form on a catalog entry (which must have been read).
    EventCommandEditor(EditorContext& context, SceneCatalogEntry& entry, EventOwner owner, int currentGroup,
                       QWidget* parent = nullptr);
    ~EventCommandEditor() override;

    Form form() const { return form_; }
    const std::vector<EventSceneRecord>& scenes() const { return scenes_; }
    int currentGroup() const { return currentGroup_; }
    // The owner form's result after OK: the chosen owner group, -1 for "なし".
    int ownerGroup() const { return ownerGroup_; }

    // Stores the edit field into the current group. False, after telling the author, when the text
    // does not fit; the group is then unchanged.
    bool StoreCurrentGroup();
    // Runs the command of a menu position and inserts its line when one was built.
    void RunCommand(EventCommandKind kind);
    // Inserts a built line (CP932) by the caret rule, as one step "元に戻す" can take back.
    void InsertLine(std::string_view cp932Line);

    QComboBox* sceneChoice() const { return scene_; }          // scene form only
    QCheckBox* showBox() const { return show_; }               // scene form only
    QComboBox* ownerGroupChoice() const { return ownerGroupChoice_; }  // owner form only
    QLabel* ownerGroupLabel() const { return ownerLabel_; }    // owner form only
    QComboBox* groupChoice() const { return group_; }
    QPushButton* deleteGroupButton() const { return deleteGroup_; }  // scene form only
    QPushButton* groupDownButton() const { return groupDown_; }      // scene form only
    QLineEdit* explanationField() const { return explanation_; }
    QPlainTextEdit* textField() const { return text_; }
    QListWidget* commandMenu() const { return menu_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // OK stores the group and writes (scene form) or keeps the owner's group; Cancel writes nothing
    // and, in the owner form, puts the entry and the flag explanations back.
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // The command menu runs a command on a click, Enter or a double-click on an entry only.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The title, the settings, the form's top box (scene or owner) and the group panel below it.
    void BuildPanel(QGroupBox* top);
    std::vector<EventCommandGroup>* CurrentGroups();
    std::vector<EventCommandGroup>* CurrentHidden();
    int CurrentSceneNumber() const;
    void ShowCurrentScene();
    void ShowCurrentGroup();
    void RefillGroupChoosers();
    // The current group's row in the choosers, with the explanation as typed.
    void RenewCurrentGroupLabel();
    void OnSceneChosen(int index);
    void OnGroupChosen(int index);
    void OnCountChanged(int value);
    void OnCommandChosen(int row);
    void OpenMapView();
    void ShowSceneOnMap();
    void CloseMapView();
    // What refers to the current scene's groups (the NPC and chest lists read at the first change).
    SceneGroupHolders CurrentHolders();
    void EnableGroupButtons();
    // What the scene form's group buttons do, once the author agreed to what follows the group's
    // number: the current group deleted (`other` -1) or swapped with group `other` (moved one place,
    // the current group following it).
    void ChangeGroup(QPushButton* button, int other);
    // The group changes' files besides the scenes: the NPC and chest lists when renumbered.
    std::vector<DataFileWrite> RenumberedLists() const;

    EditorContext& context_;
    Form form_;
    std::vector<EventSceneRecord> scenes_;
    int currentScene_ = -1;
    // Owner form: the entry, what Cancel puts back, the groups above a lowered count.
    SceneCatalogEntry* entry_ = nullptr;
    std::vector<EventCommandGroup> savedGroups_;
    FlagExplanations savedFlags_;
    std::vector<EventCommandGroup> ownerHidden_;
    int ownerGroup_ = -1;

    int currentGroup_ = 0;
    int shownCount_ = 0;  // the count the spin shows (to put back when a change is refused)
    int pressedRow_ = -1;  // the menu entry the mouse went down on
    // Scene form: the group changes' question, and the NPC and chest lists as read and as renumbered
    // (nullopt: no such file, or not readable).
    std::unique_ptr<ReferenceKeeper> groupKeeper_;
    bool listsRead_ = false;
    bool groupsRenumbered_ = false;
    std::optional<std::string> npcsRead_, npcs_, chestsRead_, chests_;

    QComboBox* scene_ = nullptr;
    QCheckBox* show_ = nullptr;
    QComboBox* ownerGroupChoice_ = nullptr;
    QLabel* ownerLabel_ = nullptr;
    QComboBox* group_ = nullptr;
    QSpinBox* count_ = nullptr;
    QPushButton* deleteGroup_ = nullptr;
    QPushButton* groupUp_ = nullptr;
    QPushButton* groupDown_ = nullptr;
    QLineEdit* explanation_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QListWidget* menu_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The scene form, modally; true after OK (every readable scene file and flag_exp.txt written).
bool EditSceneGroups(EditorContext& context, QWidget* parent);

// The message telling the author why a group's text cannot be stored (empty when it can).
QString GroupTextProblemMessage(const GroupTextCheck& check);

}  // namespace lw
