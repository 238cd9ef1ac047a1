#pragma once

class QLocale;
class QTranslator;

/** Installs on the application Qt's own translations for the locale (the buttons and labels of
    the font, colour, file and message boxes) and returns them, owned by the application; null
    when Qt has none for that language. The program's own texts are not translated. */
QTranslator *installQtTranslations(const QLocale &locale);
