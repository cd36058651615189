#include "app/new_project_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_controller.h"
#include "app/services.h"
#include "core/project/project.h"
#include "widgets/cp932_validator.h"

namespace lw {

NewProjectDialog::NewProjectDialog(AppController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    setWindowTitle(tr("新規作成"));
    auto makeEdit = [this](const char* text) {
        auto* edit = new QLineEdit(QString::fromUtf8(text), this);
        edit->setMaxLength(260);
        LimitToCp932(edit, static_cast<int>(kNameBytes));
        edit->setMinimumWidth(240);
        return edit;
    };
    game_ = makeEdit("game");
    image_ = makeEdit("image");
    audio_ = makeEdit("audio");
    data_ = makeEdit("data");
    wait_ = makeEdit("loading.bmp");

    auto* form = new QFormLayout;
    form->addRow(tr("ｹﾞｰﾑ ﾌｫﾙﾀﾞ名"), game_);
    form->addRow(tr("画像ﾌｫﾙﾀﾞ名"), image_);
    form->addRow(tr("音楽ﾌｫﾙﾀﾞ名"), audio_);
    form->addRow(tr("ﾃﾞｰﾀ ﾌｫﾙﾀﾞ名"), data_);
    form->addRow(tr("待ち画像ﾌｧｲﾙ名"), wait_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(tr("OK..."), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(tr("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &NewProjectDialog::OnOk);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NewProjectDialog::OnOk() {
    Project names;
    // The validators keep every field convertible; value_or guards text set from code.
    names.gameFolder = ToCp932(game_->text()).value_or("");
    names.imageFolder = ToCp932(image_->text()).value_or("");
    names.audioFolder = ToCp932(audio_->text()).value_or("");
    names.dataFolder = ToCp932(data_->text()).value_or("");
    names.waitImage = ToCp932(wait_->text()).value_or("");
    if (controller_.CreateProjectFromNames(this, names)) accept();
}

}  // namespace lw
