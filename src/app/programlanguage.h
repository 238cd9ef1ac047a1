#pragma once

#include <QString>

class QLocale;

/** The program's texts in the desktop's language, loaded once at start-up, for the command line
    as for the windows. */
namespace ProgramLanguage {

/** Where the program's translations are: a folder beside the program, built or installed. */
QString folder();

/** Installs on the application, for the locale's languages, the program's own translations from
    `folder`, Qt's own (its dialogs' buttons, the keys' names "Strg", "Maj"), and English plural
    forms below them ("1 note", not "1 notes") for a language the program has no file for. Under a
    language written right to left a GUI application lays itself out mirrored. Returns the name of
    the program file loaded for the locale ("quillarren_de.qm"), or nothing when it has none. */
QString install(const QLocale &locale, const QString &folder = ProgramLanguage::folder());

} // namespace ProgramLanguage
