#pragma once
// "新規作成": the five names of a new project. OK makes the project (see AppController).

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lw {

class AppController;

class NewProjectDialog : public QDialog {
    Q_OBJECT
public:
    NewProjectDialog(AppController& controller, QWidget* parent);

    QLineEdit* gameFolderEdit() const { return game_; }
    QLineEdit* imageFolderEdit() const { return image_; }
    QLineEdit* audioFolderEdit() const { return audio_; }
    QLineEdit* dataFolderEdit() const { return data_; }
    QLineEdit* waitImageEdit() const { return wait_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void OnOk();
    AppController& controller_;
    QLineEdit* game_;
    QLineEdit* image_;
    QLineEdit* audio_;
    QLineEdit* data_;
    QLineEdit* wait_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace lw
