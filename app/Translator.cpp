#include "Translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

QLocale installTranslators(QCoreApplication& app, const QLocale& locale)
{
    // Each translator belongs to the application, which keeps it for the run.
    auto* own = new QTranslator(&app);
    const QString catalogues = QStringLiteral(":/translations");
    if (!own->load(locale, QStringLiteral("crestmap"), QStringLiteral("_"), catalogues) ||
        own->language().startsWith(QLatin1String("en"))) {
        // English is the source language; its catalogue only holds the plural forms.
        (void)own->load(QStringLiteral("crestmap_en"), catalogues);
        QCoreApplication::installTranslator(own);
        return QLocale(QLocale::English);
    }
    QCoreApplication::installTranslator(own);
    const QLocale chosen(own->language());
    // Qt's catalogues travel beside the program on Windows, and with Qt's packages elsewhere.
    auto* qt = new QTranslator(&app);
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    const QString name = QStringLiteral("qtbase");
    if (qt->load(chosen, name, QStringLiteral("_"), beside) ||
        qt->load(chosen, name, QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        std::fprintf(stderr,
                     "crestmap: Qt's catalogue for %s is missing; its own buttons stay "
                     "in English\n",
                     qPrintable(chosen.name()));
    }
    return chosen;
}
