#pragma once
// The interface's side of RecordNames (core/check/record_names.h): the look-up with its marks in
// the interface language and its texts as QStrings.

#include <QString>
#include <memory>

#include "core/check/record_names.h"

#include <QStringList>
#include <vector>


namespace lw {

struct ItemChoice;
struct SceneFileEntry;

// A look-up whose "(なし)" and "(見つかりません)" are in the interface language.
std::unique_ptr<RecordNames> InterfaceRecordNames(const Project& project, const SceneCatalog* catalog = nullptr);

// "N — name" (RecordNames::Text) and " — name" (RecordNames::Suffix) for the interface.
QString NamedText(RecordNames& names, RefTarget target, int index, int none = -1);
QString NameSuffix(RecordNames& names, RefTarget target, int index, int none = -1);

// Item drop-down entries: each item's name with its kind ("薬草 (回復系消耗品)").
QStringList ItemChoiceTexts(RecordNames& names, const std::vector<ItemChoice>& items);
// A scene drop-down entry: the file's name with the scene's ("scene0.txt — 始まりの村").
QString SceneChoiceText(RecordNames& names, const SceneFileEntry& file);


}  // namespace lw
