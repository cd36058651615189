#include "widgets/record_names_ui.h"


#include "app/language.h"
#include "app/services.h"
#include "core/rules/items.h"
#include "core/world/scene_catalog.h"

namespace lw {

std::unique_ptr<RecordNames> InterfaceRecordNames(const Project& project, const SceneCatalog* catalog) {
    auto names = std::make_unique<RecordNames>(project, catalog);
    names->marks.none = CoreText(names->marks.none).toStdString();
    names->marks.missing = CoreText(names->marks.missing).toStdString();
    return names;
}

QString NamedText(RecordNames& names, RefTarget target, int index, int none) {
    return QString::fromStdString(names.Text(target, index, none));
}

QString NameSuffix(RecordNames& names, RefTarget target, int index, int none) {
    return QString::fromStdString(names.Suffix(target, index, none));
}

QStringList ItemChoiceTexts(RecordNames& names, const std::vector<ItemChoice>& items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const ItemChoice& c : items) texts << FromCp932(c.name) + QString::fromStdString(names.ItemKindSuffix(c.index));
    return texts;
}

QString SceneChoiceText(RecordNames& names, const SceneFileEntry& file) {
    return FromCp932(file.fileName) + NameSuffix(names, RefTarget::Scene, file.sceneNumber);
}


}  // namespace lw
