#pragma once

// Helpers for running the program's windows under one language after another in one process:
// the language installed and removed again, the texts a user reads collected from a window, and
// the two faults looked for in them (English left where the language's table translates the
// text, a label or button too small for its text).

#include "app/programlanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>
#include <QWidget>

namespace LanguageWalk {

/** The locale a language's rows run under: the language with its usual country. */
inline QLocale localeFor(const QString &code)
{
    static const QHash<QString, QString> full{{"en", "en_US"}, {"de", "de_DE"}, {"fr", "fr_FR"}, {"es", "es_ES"},
                                              {"it", "it_IT"}, {"pl", "pl_PL"}, {"ru", "ru_RU"}, {"ja", "ja_JP"},
                                              {"ar", "ar_EG"}};
    return QLocale(full.value(code, code));
}

/** The language for as long as it lives: the program's and Qt's translations installed as at
    start-up, and the locale that dates and numbers follow. Windows must be made inside it. */
class Scope
{
public:
    explicit Scope(const QString &code)
    {
        QLocale::setDefault(localeFor(code));
        loadedFile = ProgramLanguage::install(localeFor(code), QStringLiteral(QUILLARREN_TRANSLATIONS));
    }
    ~Scope()
    {
        // Deleting a translator takes it off the application; the direction returns to left to right.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    QString loadedFile;
};

/** The language's table: English text -> its translation (the first form of a counted one). */
inline QHash<QString, QString> table(const QString &code)
{
    QHash<QString, QString> rows;
    QFile file(QStringLiteral(QUILLARREN_TRANSLATION_TABLES "/%1.tsv").arg(code));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    const auto unescaped = [](QString text) {
        return text.replace(QLatin1String("\\n"), QLatin1String("\n")).replace(QLatin1String("\\t"), QLatin1String("\t"));
    };
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList columns = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')) || columns.size() < 2)
            continue;
        rows.insert(unescaped(columns.at(0)), unescaped(columns.at(1)));
    }
    return rows;
}

struct Shown {
    QString text;
    QString where;
    QWidget *widget = nullptr;   // null for a menu item
};

/** The menu's items, without the keys shown after a tab, and its submenus' items. */
inline QList<Shown> menuTexts(const QMenu *menu)
{
    QList<Shown> found;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        found.append({action->text().section(QLatin1Char('\t'), 0, 0), menu->objectName(), nullptr});
        if (action->menu())
            found += menuTexts(action->menu());
    }
    return found;
}

/** What a user reads in a window, or hears from a screen reader: its title, its labels' and
    buttons' texts, tooltips and accessible names. */
inline QList<Shown> shownTexts(QWidget *window)
{
    QList<Shown> found{{window->windowTitle(), window->objectName() + QStringLiteral(" title"), window}};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        const QString where = window->objectName() + QLatin1Char('/') + widget->objectName();
        if (auto *label = qobject_cast<QLabel *>(widget))
            found.append({label->text(), where, widget});
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            found.append({button->text(), where, widget});
        found.append({widget->toolTip(), where + QStringLiteral(" tooltip"), widget});
        found.append({widget->accessibleName(), where + QStringLiteral(" accessible name"), widget});
    }
    found.removeIf([](const Shown &shown) { return shown.text.isEmpty(); });
    return found;
}

/** A table's English text as a pattern: what its placeholders stand for may be anything, and
    the blanks may be any (a terminal wraps long lines). */
inline QRegularExpression englishPattern(const QString &source, bool within)
{
    QString pattern;
    for (const QString &part : source.simplified().split(QRegularExpression(QStringLiteral("%(?:n|L?\\d+)"))))
        pattern += (pattern.isEmpty() && !within ? QString() : QStringLiteral(".*?"))
            + QRegularExpression::escape(part).replace(QLatin1String("\\ "), QLatin1String("\\s+"));
    return QRegularExpression(within ? pattern : QStringLiteral("^") + pattern + QStringLiteral("$"),
                              QRegularExpression::DotMatchesEverythingOption);
}

/** Texts shown in English although the language's table translates them. */
inline QStringList englishLeft(const QList<Shown> &shown, const QHash<QString, QString> &translations)
{
    QStringList left;
    for (auto row = translations.cbegin(); row != translations.cend(); ++row) {
        if (*row == row.key())
            continue;
        const QRegularExpression english = englishPattern(row.key(), false);
        for (const Shown &item : shown) {
            if (english.match(item.text.simplified()).hasMatch())
                left.append(item.where + QStringLiteral(": \"") + item.text + QLatin1Char('"'));
        }
    }
    return left;
}

/** Sentences of the table found in English in what a command wrote; the short ones (menu words
    like "Quit") are not looked for in running text. */
inline QStringList englishLeftIn(const QString &output, const QHash<QString, QString> &translations)
{
    constexpr int ShortestSentence = 12;
    QStringList left;
    const QString written = output.simplified();
    for (auto row = translations.cbegin(); row != translations.cend(); ++row) {
        if (*row != row.key() && row.key().size() >= ShortestSentence
            && englishPattern(row.key(), true).match(written).hasMatch())
            left.append(row.key());
    }
    return left;
}

/** Labels and buttons smaller than their text needs: it would be cut off. */
inline QStringList cutOff(const QList<Shown> &shown)
{
    QStringList cut;
    for (const Shown &item : shown) {
        QWidget *widget = item.widget;
        if (!widget || !(qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget))
            || !widget->isVisibleTo(widget->window()) || item.where.endsWith(QLatin1String("name"))
            || item.where.endsWith(QLatin1String("tooltip")))
            continue;
        const auto *label = qobject_cast<QLabel *>(widget);
        const QSize needed = label && label->wordWrap() ? QSize(0, label->heightForWidth(widget->width()))
                                                        : widget->sizeHint();
        if (widget->width() < needed.width() || widget->height() < needed.height())
            cut.append(QStringLiteral("%1 \"%2\": %3x%4, needs %5x%6")
                           .arg(item.where, item.text)
                           .arg(widget->width()).arg(widget->height())
                           .arg(needed.width()).arg(needed.height()));
    }
    return cut;
}

} // namespace LanguageWalk
