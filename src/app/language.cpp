#include "app/language.h"

#include "core/text/cp932.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace lw {

namespace {

constexpr std::string_view kOption = "--lang";

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

UiLanguage LanguageOfLocale(std::string_view localeName) {
    return localeName.substr(0, 2) == "ja" ? UiLanguage::Japanese : UiLanguage::English;
}

std::string LocaleOfEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

std::optional<UiLanguage> ParseLanguageName(std::string_view name) {
    if (name == "ja") return UiLanguage::Japanese;
    if (name == "en") return UiLanguage::English;
    return std::nullopt;
}

LanguageArgument TakeLanguageArgument(int& argc, char** argv) {
    LanguageArgument result;
    int kept = argc > 0 ? 1 : 0;
    for (int i = kept; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::optional<std::string_view> value;
        if (arg == kOption) {
            if (i + 1 < argc) {
                value = argv[++i];
            } else {
                value = std::string_view();
            }
        } else if (arg.substr(0, kOption.size() + 1) == "--lang=") {
            value = arg.substr(kOption.size() + 1);
        } else if (arg == "--") {
            while (i < argc) argv[kept++] = argv[i++];  // everything after "--" is an argument
            break;
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        result.language = ParseLanguageName(*value);
        result.error = result.language ? QString()
                                       : QStringLiteral("--lang: expected \"ja\" or \"en\", got \"%1\"")
                                             .arg(QString::fromLocal8Bit(value->data(), static_cast<qsizetype>(value->size())));
    }
    if (!result.error.isEmpty()) result.language.reset();
    argc = kept;
    if (argc >= 0) argv[argc] = nullptr;
    return result;
}

bool InstallLanguage(UiLanguage language) {
    RemoveLanguage();
    if (language == UiLanguage::Japanese) return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/lorewright_en.qm"))) return false;
    if (!QCoreApplication::installTranslator(translator.get())) return false;
    Installed() = std::move(translator);
    return true;
}

void RemoveLanguage() {
    if (Installed()) QCoreApplication::removeTranslator(Installed().get());
    Installed().reset();
}

QString CoreTextCp932(std::string_view cp932) { return CoreText(Cp932ToUtf8Lossy(cp932)); }

QString NoneLabel() { return QCoreApplication::translate("lw", "なし"); }

QString CoreText(std::string_view utf8) {
    const std::string text(utf8);
    return QCoreApplication::translate("lw", text.c_str());
}

}  // namespace lw
