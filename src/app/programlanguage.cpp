#include "app/programlanguage.h"

#include "gui/platform/qttranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt lays a GUI application out right to left when a translation renders this as "RTL". Our own
// files carry it too, so that the direction never hangs on whether Qt's translations are installed.
[[maybe_unused]] const char *const LayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

const QString FilePrefix = QStringLiteral("quillarren");

QTranslator *installed(QTranslator *translator)
{
    if (QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

namespace ProgramLanguage {

QString folder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

QString install(const QLocale &locale, const QString &folder)
{
    // Installed first, asked last: English plural forms for whatever the language's file lacks.
    auto *english = new QTranslator(QCoreApplication::instance());
    if (english->load(FilePrefix + QStringLiteral("_en"), folder))
        installed(english);
    else
        delete english;

    QString loaded;
    // Found by name from the locale's languages (pt_BR, then pt): nothing is listed here.
    auto *own = new QTranslator(QCoreApplication::instance());
    if (own->load(locale, FilePrefix, QStringLiteral("_"), folder) && !own->language().startsWith(QLatin1String("en"))
        && installed(own))
        loaded = QFileInfo(own->filePath()).fileName();
    else
        delete own;
    installQtTranslations(locale);
    return loaded;
}

} // namespace ProgramLanguage
