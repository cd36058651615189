#include "editors/media/effect_combo.h"

#include <QByteArray>
#include <QComboBox>

#include "app/services.h"

namespace lw {

void AddEffectComboItems(QComboBox* combo, const EffectTable& table, int selection) {
    combo->clear();
    for (const std::string& name : EffectComboItems(table)) combo->addItem(FromCp932(name));
    combo->setCurrentIndex(selection >= 0 && selection < combo->count() ? selection : -1);
}

void FillImageFileCombo(QComboBox* combo, const Project& project) {
    combo->clear();
    for (const std::string& name : ListFolderFiles(project, project.imageFolder, "*.*"))
        combo->addItem(FromCp932(name), QByteArray::fromStdString(name));
    combo->setCurrentIndex(-1);
}

std::string ChosenImageFile(const QComboBox* combo) {
    if (combo->currentIndex() < 0) return {};
    return combo->currentData().toByteArray().toStdString();
}

void ChooseImageFile(QComboBox* combo, const std::string& name) {
    if (name.empty()) {
        combo->setCurrentIndex(-1);
        return;
    }
    int index = combo->findData(QByteArray::fromStdString(name));
    if (index < 0) {
        combo->insertItem(0, FromCp932(name), QByteArray::fromStdString(name));
        index = 0;
    }
    combo->setCurrentIndex(index);
}

}  // namespace lw
