#pragma once

#include "Translator.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace crestmap::test {

/// The languages to test the window in: English, each language whose catalogue is built into
/// the window, then "pseudo", every text accented and half again as long, and "pseudo_rtl", the
/// same laid out right to left.
inline QStringList windowLanguages()
{
    QStringList languages{QStringLiteral("en")};
    const QString prefix = QStringLiteral("crestmap_");
    for (const QString& file :
         QDir(QStringLiteral(":/translations")).entryList({prefix + QStringLiteral("*.qm")})) {
        const QString language = file.mid(prefix.size()).chopped(3);
        if (language != QLatin1String("en")) {
            languages << language;
        }
    }
    return languages << QStringLiteral("pseudo") << QStringLiteral("pseudo_rtl");
}

/// Speaks `language` from now on as the window does at start for a user whose system speaks it,
/// Qt's own dialogs and numbers included; false when no catalogue has it. Once per process and
/// before the window is made: a catalogue installed later would cover this one.
inline bool installLanguage(QCoreApplication& app, const QString& language)
{
    if (!language.startsWith(QLatin1String("pseudo"))) {
        const QLocale wanted(language);
        const QLocale chosen = installTranslators(app, wanted);
        QLocale::setDefault(chosen);
        return chosen.language() == wanted.language();
    }
    // The right-to-left catalogue says so to Qt, which turns the layout as the catalogue comes in.
    auto* pseudo = new QTranslator(&app);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return pseudo->load(QString::fromUtf8(language == QLatin1String("pseudo_rtl")
                                              ? CRESTMAP_PSEUDO_RTL_CATALOGUE
                                              : CRESTMAP_PSEUDO_CATALOGUE)) &&
           QCoreApplication::installTranslator(pseudo);
}

} // namespace crestmap::test
