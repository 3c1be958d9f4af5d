#pragma once

#include "Translator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace crestmap::test {

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
