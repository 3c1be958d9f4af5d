#include "WindowLanguages.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests never need a screen; a display in the environment is not ours to use. An offscreen
    // one may be given, as a screen of a size the window must fit.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // English, as its catalogue has it, with numbers as in the United States, whatever the
    // machine says, unless a run is to check the window in another of its languages.
    const QString language = qEnvironmentVariable("CRESTMAP_TEST_LANGUAGE", QStringLiteral("en"));
    if (!crestmap::test::installLanguage(app, language)) {
        qCritical("No catalogue speaks %s", qPrintable(language));
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
