#pragma once

#include <QLocale>

class QCoreApplication;

/// Chooses the window's language once, at start: the first of `locale`'s languages that
/// Crestmap has a catalogue for, or else English, with Qt's own catalogue for the same language
/// so that its dialogs speak it too. Says so on standard error when Qt's catalogue is missing.
/// The language in use, for Help ▸ About.
QLocale installTranslators(QCoreApplication& app, const QLocale& locale = QLocale::system());
