// What loading the translations adds to a start: for each language, the program's own files
// (English plural forms and the language's) alone, and everything start-up installs (those and
// Qt's own), first time in the process and the median of later times.
//
//   bench_languages [FOLDER] [repeats]     default: the build's src/translations, 200 repeats

#include "app/programlanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double microsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void removeAll()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QCoreApplication::applicationDirPath() + QStringLiteral("/../src/translations");
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    std::printf("%-6s %14s %14s %14s\n", "lang", "own files us", "all, first us", "all, median us");
    for (const char *name : {"de", "fr", "es", "it", "pt_BR", "pl", "ru", "ja", "zh_CN", "ar"}) {
        const QLocale locale(QString::fromLatin1(name));
        std::vector<double> own, all;
        double first = 0;
        for (int i = 0; i < repeats; ++i) {
            Clock::time_point start = Clock::now();
            QTranslator english, language;
            if (!english.load(QStringLiteral("quillarren_en"), folder)
                || !language.load(locale, QStringLiteral("quillarren"), QStringLiteral("_"), folder)) {
                std::fprintf(stderr, "no translations for %s in %s\n", name, qPrintable(folder));
                return 1;
            }
            own.push_back(microsSince(start));
            start = Clock::now();
            ProgramLanguage::install(locale, folder);
            (i == 0 ? first : all.emplace_back()) = microsSince(start);
            removeAll();
        }
        std::printf("%-6s %14.1f %14.1f %14.1f\n", name, median(own), first, all.empty() ? first : median(all));
    }
    return 0;
}
