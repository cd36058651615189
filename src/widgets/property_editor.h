#pragma once
// The property editor: a fixed list of labelled rows beside one editing area whose controls are
// enabled by the selected row's kind (core/settings/property_rows.h). The basic settings, magic,
// monster, player character and NPC editors declare their rows as a table bound to their record
// and put one PropertyEditor in their dialog:
//
//   std::vector<PropertyRow> rows = {TextRow("魔法名", magic.name, 63), NumberRow("敏捷度", ...), ...};
//   auto* properties = new PropertyEditor(context, std::move(rows), this);
//   properties->SetListNames(RowKind::Sound, soundNames);      // drop-downs of the lists
//   connect(properties, &PropertyEditor::previewNeeded, this, &MyDialog::ShowPreview);
//   ... on OK: properties->Commit();
//
// The editing area: a text field, a multi-line text field, a number field with its spin and the
// unit or range beside it, a drop-down with "画像表示" and "MIDI・WAVE再生", and the drawing group
// (the "描画" radios, "ｶﾗｰｷｰあり" and the colour fields, captioned "色" or "ｶﾗｰｷｰ"). Only the parts
// some row uses are laid out.
//
// Selecting a row stores nothing by itself: it stops playback, empties the area, enables the
// controls of the row's kind and shows the row's value. Every change of a control is stored at
// once, however it was made (mouse, keys, an accessibility action, a program): a text the row
// refuses is told about, and put back, when its field is left; a typed number beyond the row's
// range is taken as the nearest bound when its field is left. A value the author did not
// touch is never rewritten: a number outside the range shows as the nearest bound but stays as
// read, a name whose bytes do not decode stays byte for byte, an index outside its list selects
// nothing and stays.

#include <QWidget>
#include <string>
#include <vector>

#include "core/settings/property_rows.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace lw {

struct EditorContext;
class DrawingGroup;
class ImageChooser;
class NumberSpin;

class PropertyEditor : public QWidget {
    Q_OBJECT
public:
    struct Options {
        // The key colour of image rows can be edited only while "ｶﾗｰｷｰあり" is checked.
        bool keyColourFollowsKeyFlag = false;
    };
    PropertyEditor(EditorContext& context, std::vector<PropertyRow> rows, QWidget* parent = nullptr);
    PropertyEditor(EditorContext& context, std::vector<PropertyRow> rows, Options options, QWidget* parent);

    // The entries of the Sound, Bgm and Effect drop-downs (CP932), in list order.
    void SetListNames(RowKind kind, std::vector<std::string> names);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const PropertyRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
    int currentRow() const { return current_; }
    // Selects a row (as a click on its label does).
    void SelectRow(int index);
    // Shows the current row again (after a field another row depends on has changed).
    void Refresh();

    // Stores what the fields of the current row hold now, as leaving them would. Call it before
    // the record is used (OK, "次へ").
    void Commit();
    // A colour picked in the preview: the colour of a colour row, the key colour of an image row.
    // False when the current row has no colour.
    bool PickColour(const QColor& colour);
    // Clears "画像表示" and "MIDI・WAVE再生" with their flags and stops playback (on opening).
    void ResetChecks();
    void StopPlayback();
    bool showImage() const { return showImageFlag_; }

    QListWidget* labelList() const { return labels_; }
    ImageChooser* choice() const { return choice_; }

signals:
    // The area shows `row` (after a selection or Refresh).
    void rowPrepared(int row);
    // What the preview shows for `row` may have changed: the row was prepared, its choice or its
    // drawing changed, or "画像表示" was clicked.
    void previewNeeded(int row);
    // A value of `row` was stored into the record.
    void valueStored(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build(const Options& options);
    void Prepare(int index);
    void ClearArea();
    void EnableFor(const PropertyRow& r);
    // `tell`: the field is being left, so a refused text is told about and put back; otherwise a
    // refused text is only not stored (yet).
    void CommitText(bool tell = true);
    void CommitLongText(bool tell = true);
    // `takeTyped`: what is typed is taken first (clamped), as leaving the field does.
    void CommitNumber(bool takeTyped = true);
    void NameControls(const PropertyRow* r);
    void CommitColour();
    void ChoiceMade(int index);
    void Play();
    bool Refuse(const PropertyRow& r, const std::string& value);
    const PropertyRow* Current() const;

    EditorContext& context_;
    std::vector<PropertyRow> rows_;
    std::vector<std::string> soundNames_, bgmNames_, effectNames_;
    std::vector<std::string> imageNames_;
    bool imageNamesRead_ = false;
    bool keyColourFollows_ = false;
    int current_ = -1;
    bool showImageFlag_ = false;
    bool playFlag_ = false;
    // The multi-line field's stored bytes and the text it showed for them.
    std::string longTextStored_;
    QString longTextShown_;
    // The single-line text as it was when the row was shown or its field last left: a refused text
    // goes back to it.
    std::string textBeforeEditing_;
    std::string longTextBeforeEditing_;
    QString longTextShownBeforeEditing_;

    QListWidget* labels_;
    QGroupBox* areaBox_;
    QLineEdit* text_;
    QPlainTextEdit* longText_;
    NumberSpin* number_;
    QLabel* unit_;
    ImageChooser* choice_;
    QCheckBox* showImageBox_;
    QCheckBox* playBox_;
    DrawingGroup* drawing_;
};

}  // namespace lw
