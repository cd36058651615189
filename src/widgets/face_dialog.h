#pragma once
// "顔画像(ﾒﾆｭｰ用)": a rectangle cut out of a picture of the image folder and how it is drawn. The
// face list opens it on a face of image_face.txt; the player character and NPC editors open it on
// their own picture entries (face, and with the caption "ｷｬﾗﾁｯﾌﾟ" the walking chip), so it takes the
// fields by reference rather than a list:
//
//   FaceDialog dialog(context, FaceFieldsOf(face), this);                 // a face of the list
//   FaceDialog chip(context, FaceFields{pc.chipFile, pc.chipX, ...}, this, QStringLiteral("ｷｬﾗﾁｯﾌﾟ"));
//   chip.SetNext([&](FaceDialog& d) { return RunPlacement(...); });       // a chain goes on
//
// The preview beside it shows the picture with the area outlined (view mode 15); a click on the
// picture picks the key colour. The area fields store what is typed at once and move the outline.
// "次へ" (the default button) refuses an area narrower or lower than 1 pixel with "画像ｻｲｽﾞは1以上に
// 設定してください", cuts the area back to the picture, and stores the entry into the fields; then
// the next step runs when one is set (its cancel returns here) and the dialog ends with 1.
// "ｷｬﾝｾﾙ" stores nothing and ends with 0.

#include <functional>
#include <string>

#include "core/media/image_lists.h"
#include "widgets/preview_step_dialog.h"

class QCheckBox;

namespace lw {

class DrawingGroup;
class ImageChooser;
class NumberSpin;

// The fields of a picture entry the dialog edits.
struct FaceFields {
    std::string& fileName;
    int& areaLeft;
    int& areaTop;
    int& areaWidth;
    int& areaHeight;
    int& drawMode;
    int& colorKey;
    int& keyRed;
    int& keyGreen;
    int& keyBlue;
};
FaceFields FaceFieldsOf(FaceEntry& face);

// Copies the area and the drawing of one picture entry to another (FaceFields, FaceEntry, an
// effect animation: their fields share the names).
template <class From, class To>
void CopyAreaAndDrawing(const From& from, To& to) {
    to.areaLeft = from.areaLeft;
    to.areaTop = from.areaTop;
    to.areaWidth = from.areaWidth;
    to.areaHeight = from.areaHeight;
    to.drawMode = from.drawMode;
    to.colorKey = from.colorKey;
    to.keyRed = from.keyRed;
    to.keyGreen = from.keyGreen;
    to.keyBlue = from.keyBlue;
}

class FaceDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    FaceDialog(EditorContext& context, FaceFields fields, QWidget* parent = nullptr,
               const QString& caption = QString());  // empty: "顔画像(ﾒﾆｭｰ用)"
    ~FaceDialog() override;

    // A step that runs after "次へ" has stored the entry; true ends this dialog with 1, false keeps
    // it open (the step was cancelled).
    void SetNext(std::function<bool(FaceDialog&)> next) { next_ = std::move(next); }

public slots:
    void accept() override;

private:
    void OpenPreview() override;
    void ShowChosenImage();
    void SyncPreview();
    void StoreBack();

    FaceFields fields_;
    FaceEntry working_;
    std::function<bool(FaceDialog&)> next_;
    ImageChooser* image_;
    QCheckBox* show_;
    DrawingGroup* drawing_;
    NumberSpin* left_;
    NumberSpin* top_;
    NumberSpin* width_;
    NumberSpin* height_;
};

}  // namespace lw
