// main() of the Qt test binaries: a QApplication on the platform the environment names
// (ctest sets QT_QPA_PLATFORM=offscreen), then every GoogleTest case. "--lang en" runs the tests in
// the English interface (for the screenshot runs; the tests themselves expect Japanese texts).
#include <QApplication>
#include <gtest/gtest.h>

#include "app/language.h"
#include "widgets/accessible_names.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const lw::LanguageArgument language = lw::TakeLanguageArgument(argc, argv);
    QApplication app(argc, argv);
    lw::InstallDropDownInterface();
    if (language.language) lw::InstallLanguage(*language.language);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
