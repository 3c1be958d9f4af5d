#include "WindowLanguages.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests never need a screen; a display in the environment is not ours to use. An offscreen
    // one may be given, as a screen of a size the window must fit.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt's dialogs keep their sizes and places in the user's settings: each run starts from none,
    // as a new user does, and leaves the user's own as they were.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
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
