#pragma once
// The placement dialogs behind PlacePlayerStart, PlaceNpc, PlaceChest and PlaceShop
// (placement_dialogs.h) as the lists that open them drive them: their buttons, the scene chooser
// and the clicks of the map view. The dialogs themselves are classes of placement_dialogs.cpp.

#include <QDialog>

class QPushButton;

namespace lw {

class ScenePlacementDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* okButton() const { return ok_; }  // "OK" or "次へ"
    QPushButton* cancelButton() const { return cancel_; }

    // Chooses the scene file with that number, as the author would (nothing when there is none).
    virtual void ChooseScene(int sceneNumber) = 0;
    // The cell a click on the map gave (what MapView::cellClicked delivers).
    virtual void ClickCell(int x, int y) = 0;

protected:
    using QDialog::QDialog;

    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace lw
