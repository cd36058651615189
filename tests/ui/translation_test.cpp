// The English interface: the catalogue holds a finished translation of every interface text in the
// sources, the language follows the locale and "--lang", every editor speaks English once it is
// chosen, and what the editors write is the same in both languages.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <cstdlib>
#include <functional>

#include "app/app_controller.h"
#include "app/editor_context.h"
#include "app/editor_registry.h"
#include "app/hub_dialog.h"
#include "app/language.h"
#include "editors/rules/level_list_editor.h"
#include "editors/rules/level_up_editor.h"
#include "editors/settings/basic_settings_editor.h"
#include "editors/settings/title_screen_editor.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"
#include "support/qt/in_language.h"
#include "support/qt/modal.h"
#include "support/qt/named.h"

namespace lw {
namespace {

using namespace test;

const QString kCatalogue = QStringLiteral(LW_SOURCE_DIR "/resources/translations/lorewright_en.ts");

struct CatalogueEntry {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

std::vector<CatalogueEntry> ReadCatalogue(const QString& path) {
    std::vector<CatalogueEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.push_back({context, {}, {}, false});
        } else if (xml.name() == QLatin1String("source") && !entries.empty()) {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !entries.empty()) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entries.back().finished = type.isEmpty();
            entries.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

// Kana, CJK ideographs, full-width forms and half-width katakana.
bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff01}-\\x{ff9f}]"));
    return japanese.match(text).hasMatch();
}

QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
}

TEST(TranslationCatalogue, EveryInterfaceTextOfTheSourcesHasAFinishedTranslation) {
    // The sources are scanned afresh into a copy of the catalogue: a text added to the code without
    // a translation comes in unfinished and is named here.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString scanned = dir.filePath(QStringLiteral("lorewright_en.ts"));
    ASSERT_TRUE(QFile::copy(kCatalogue, scanned));
    QProcess lupdate;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUPDATE"), QStringLiteral(LW_LUPDATE));
    lupdate.setProcessEnvironment(env);
    lupdate.start(QStringLiteral("bash"), {QStringLiteral(LW_SOURCE_DIR "/scripts/update-translations"), scanned});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::vector<CatalogueEntry> entries = ReadCatalogue(scanned);
    ASSERT_GT(entries.size(), 600u) << "the scan found too few texts";
    QStringList missing;
    for (const CatalogueEntry& e : entries)
        if (!e.finished || e.translation.isEmpty()) missing << e.context + QStringLiteral(": ") + e.source;
    EXPECT_TRUE(missing.isEmpty())
        << "Interface texts without a finished English translation. Run scripts/update-translations "
           "(or the build target update_translations) and translate them in "
           "resources/translations/lorewright_en.ts:\n"
        << missing.join(QLatin1Char('\n')).toStdString();
}

TEST(TranslationCatalogue, TranslationsAreEnglishAndKeepPlaceholdersAndLineBreaks) {
    const std::vector<CatalogueEntry> entries = ReadCatalogue(kCatalogue);
    ASSERT_FALSE(entries.empty());
    QStringList wrong;
    for (const CatalogueEntry& e : entries) {
        const QString where = e.context + QStringLiteral(": ") + e.source;
        if (HasJapanese(e.translation)) wrong << where + QStringLiteral("  (Japanese left in the translation)");
        if (Placeholders(e.source) != Placeholders(e.translation)) wrong << where + QStringLiteral("  (placeholders differ)");
        if (e.source.count(QLatin1Char('\n')) != e.translation.count(QLatin1Char('\n')))
            wrong << where + QStringLiteral("  (line breaks differ)");
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
}

// ---- choosing the language ---------------------------------------------------------------------

struct ArgvCase {
    std::vector<std::string> args;
    std::optional<UiLanguage> language;
    bool error;
    std::vector<std::string> rest;  // what the rest of the program reads
};

TEST(InterfaceLanguage, TheCommandLineOverridesAndIsTakenOutOfTheArguments) {
    const ArgvCase cases[] = {
        {{"lorewright"}, std::nullopt, false, {"lorewright"}},
        {{"lorewright", "--lang", "en", "/p"}, UiLanguage::English, false, {"lorewright", "/p"}},
        {{"lorewright", "/p", "--lang=ja"}, UiLanguage::Japanese, false, {"lorewright", "/p"}},
        {{"lorewright", "--lang", "ja", "--lang", "en"}, UiLanguage::English, false, {"lorewright"}},
        {{"lorewright", "--lang", "fr"}, std::nullopt, true, {"lorewright"}},
        {{"lorewright", "--lang"}, std::nullopt, true, {"lorewright"}},
        {{"lorewright", "--lang="}, std::nullopt, true, {"lorewright"}},
        {{"lorewright", "--", "--lang", "en"}, std::nullopt, false, {"lorewright", "--", "--lang", "en"}},
        {{"lorewright", "--language", "en"}, std::nullopt, false, {"lorewright", "--language", "en"}},
    };
    for (const ArgvCase& c : cases) {
        std::vector<std::string> storage = c.args;
        std::vector<char*> argv;
        for (std::string& a : storage) argv.push_back(a.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(c.args.size());
        const LanguageArgument taken = TakeLanguageArgument(argc, argv.data());
        std::string name;
        for (const std::string& a : c.args) name += a + ' ';
        EXPECT_EQ(taken.language, c.language) << name;
        EXPECT_EQ(!taken.error.isEmpty(), c.error) << name;
        std::vector<std::string> rest(argv.begin(), argv.begin() + argc);
        EXPECT_EQ(rest, c.rest) << name;
        EXPECT_EQ(argv[static_cast<std::size_t>(argc)], nullptr) << name;
    }
}

TEST(InterfaceLanguage, TheLocaleChoosesJapaneseOnlyForJa) {
    for (const char* ja : {"ja", "ja_JP", "ja_JP.UTF-8", "ja_JP.eucJP"}) EXPECT_EQ(LanguageOfLocale(ja), UiLanguage::Japanese) << ja;
    for (const char* en : {"", "C", "C.UTF-8", "POSIX", "en_US.UTF-8", "de_DE", "jv_ID", "j"})
        EXPECT_EQ(LanguageOfLocale(en), UiLanguage::English) << en;

    // LC_ALL, then LC_MESSAGES, then LANG: the first one set and not empty.
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> saved;
    for (const char* n : names) saved.push_back(std::getenv(n) ? std::optional<std::string>(std::getenv(n)) : std::nullopt);
    setenv("LANG", "ja_JP.UTF-8", 1);
    setenv("LC_MESSAGES", "", 1);
    unsetenv("LC_ALL");
    EXPECT_EQ(LocaleOfEnvironment(), "ja_JP.UTF-8");
    setenv("LC_MESSAGES", "en_GB.UTF-8", 1);
    EXPECT_EQ(LocaleOfEnvironment(), "en_GB.UTF-8");
    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(LocaleOfEnvironment(), "ja_JP.UTF-8");
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i]) setenv(names[i], saved[i]->c_str(), 1);
        else unsetenv(names[i]);
    }
}

// ---- the interface in English ------------------------------------------------------------------

// The interface texts of a window that are still Japanese: its caption, labels, buttons, group
// titles, list headers, drop-down entries and list entries. `data` are texts of the project's own
// files, which are shown as they are.
QStringList JapaneseTextsOf(QWidget* window, const QStringList& data = {}) {
    QStringList found;
    auto check = [&](const QString& what, const QString& text) {
        if (HasJapanese(text) && !data.contains(text)) found << what + QStringLiteral(": ") + text;
    };
    check(QStringLiteral("caption"), window->windowTitle());
    for (QLabel* l : window->findChildren<QLabel*>()) check(QStringLiteral("label"), l->text());
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) check(QStringLiteral("button"), b->text());
    for (QGroupBox* g : window->findChildren<QGroupBox*>()) check(QStringLiteral("group"), g->title());
    for (QComboBox* c : window->findChildren<QComboBox*>()) {
        for (int i = 0; i < c->count(); ++i) check(QStringLiteral("drop-down"), c->itemText(i));
        check(QStringLiteral("drop-down placeholder"), c->placeholderText());
    }
    for (QListWidget* l : window->findChildren<QListWidget*>())
        for (int i = 0; i < l->count(); ++i) check(QStringLiteral("list"), l->item(i)->text());
    for (QTreeWidget* t : window->findChildren<QTreeWidget*>())
        for (int i = 0; i < t->columnCount(); ++i) check(QStringLiteral("list header"), t->headerItem()->text(i));
    return found;
}

TEST(EnglishInterface, TheHubAndEveryEditorItOpensShowNoJapanese) {
    InLanguage english(UiLanguage::English);
    TempProject tp;
    FakeServices services;
    AppController controller(services);
    controller.context().project = tp.project;
    {
        HubDialog hub(controller, nullptr);
        EXPECT_TRUE(JapaneseTextsOf(&hub).isEmpty()) << JapaneseTextsOf(&hub).join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(hub.windowTitle(), QStringLiteral("Menu"));
    }

    // Each editor on a new project: the first window it shows, and every message on the way.
    const EditorRegistry& registry = controller.registry();
    for (int i = 0; i < kHubEditorCount; ++i) {
        const auto editor = static_cast<HubEditor>(i);
        const std::string name = QString::number(i).toStdString() + " " + std::string(HubEditorLabel(editor));
        QStringList japanese;
        bool shown = false;
        OnNextModal<QDialog>([&](QDialog* d) {
            shown = true;
            japanese = JapaneseTextsOf(d);
            d->reject();
        });
        services.messages.clear();
        EditorContext context;
        context.project = tp.project;
        context.services = &services;
        EXPECT_TRUE(registry.Open(editor, context, nullptr)) << name;
        test::CancelPendingModalWatches();
        EXPECT_TRUE(shown || !services.messages.empty()) << name << ": neither a window nor a message";
        EXPECT_TRUE(japanese.isEmpty()) << name << ":\n" << japanese.join(QLatin1Char('\n')).toStdString();
        for (const auto& m : services.messages) EXPECT_FALSE(HasJapanese(m.text)) << name << ": " << m.text.toStdString();
    }
}

// An editor that writes its file with OK on a new project, defaults and all.
struct NewFileCase {
    const char* name;
    std::string_view fileName;
    std::function<QString(EditorContext&)> runAndConfirm;  // returns the editor's caption
};

// Runs the editor through its run function and presses its default button once it is shown.
template <int (*run)(EditorContext&, QWidget*)>
QString ConfirmRun(EditorContext& context) {
    QString caption;
    OnNextModal<QDialog>([&](QDialog* d) {
        caption = d->windowTitle();
        ConfirmButton(d)->click();
    });
    run(context, nullptr);
    return caption;
}

class NewFilesInBothLanguages : public ::testing::TestWithParam<NewFileCase> {};

TEST_P(NewFilesInBothLanguages, AreTheSameBytes) {
    const NewFileCase& c = GetParam();
    std::string bytes[2];
    QString captions[2];
    const UiLanguage languages[2] = {UiLanguage::Japanese, UiLanguage::English};
    for (int i = 0; i < 2; ++i) {
        InLanguage language(languages[i]);
        TempProject tp;
        FakeServices services;
        EditorContext context;
        context.project = tp.project;
        context.services = &services;
        captions[i] = c.runAndConfirm(context);
        bytes[i] = tp.ReadData(c.fileName);
        EXPECT_TRUE(services.messages.empty()) << services.texts().join('\n').toStdString();
    }
    EXPECT_NE(captions[0], captions[1]) << "the English run did not speak English";
    EXPECT_FALSE(HasJapanese(captions[1])) << captions[1].toStdString();
    ASSERT_FALSE(bytes[0].empty());
    EXPECT_EQ(bytes[1], bytes[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, NewFilesInBothLanguages,
    ::testing::Values(NewFileCase{"TitleScreen", "title.txt", ConfirmRun<RunTitleScreenEditor>},
                      NewFileCase{"LevelUp", "level_ability_list.txt", ConfirmRun<RunLevelUpEditor>},
                      NewFileCase{"LevelList", "level_list.txt", ConfirmRun<RunLevelListEditor>},
                      NewFileCase{"BasicSettings", "setting.txt", ConfirmRun<RunBasicSettingsEditor>}),
    [](const ::testing::TestParamInfo<NewFileCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lw
