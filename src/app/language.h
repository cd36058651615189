#pragma once
// The interface language: Japanese (the texts in the code) or English (resources/translations).
// It follows the locale unless "--lang ja|en" names one for this run; nothing is stored.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace lw {

enum class UiLanguage { Japanese, English };

// The language a locale name stands for ("ja_JP.UTF-8" → Japanese, "C", "en_GB", "" → English).
UiLanguage LanguageOfLocale(std::string_view localeName);

// The locale the messages follow: the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty, as the C library chooses it.
std::string LocaleOfEnvironment();

// A value of "--lang": "ja" or "en"; nullopt for anything else.
std::optional<UiLanguage> ParseLanguageName(std::string_view name);

// What "--lang" asked for, taken out of argv ("--lang en" or "--lang=en", the last one wins) so
// that the rest of the command line is read without it. `error` is set (and nullopt returned) when
// the value is missing or not "ja" or "en".
struct LanguageArgument {
    std::optional<UiLanguage> language;
    QString error;
};
LanguageArgument TakeLanguageArgument(int& argc, char** argv);

// Makes the application speak `language`. English installs the embedded translation; false when it cannot
// be loaded (the interface then stays Japanese).
bool InstallLanguage(UiLanguage language);

// Removes what InstallLanguage installed (tests switch languages within one process).
void RemoveLanguage();

// The same for a label the core holds in CP932 (its UTF-8 form is marked with LW_UI_TEXT there).
QString CoreTextCp932(std::string_view cp932);

// "なし" (none) as the drop-downs show it; the files and the item data keep "なし" itself.
QString NoneLabel();

// An interface text held by the Qt-free core (marked there with LW_UI_TEXT), in the interface
// language. Never used for texts that are written to files.
QString CoreText(std::string_view utf8);

}  // namespace lw
