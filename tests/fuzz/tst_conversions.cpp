// The conversions of stored text, row by row, and the rules the fuzz target checks (see
// conversionchecks.h) on these rows in every locale it picks from, and on its seed corpus.

#include "conversionchecks.h"
#include "ondisk.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// "Total Forms" is read the lenient way: whatever number the text starts with.
struct Leading
{
    const char *name;
    QString text;
    double number;
    double whole;   // after rounding halves to even
};

const Leading LeadingRows[] = {
    {"number then letters", QStringLiteral("3abc"), 3, 3},
    {"starts with a letter", QStringLiteral("abc"), 0, 0},
    {"leading blank", QStringLiteral(" 12"), 12, 12},
    {"leading tab", QStringLiteral("\t7"), 7, 7},
    {"half rounds down to even", QStringLiteral("2.5"), 2.5, 2},
    {"half rounds up to even", QStringLiteral("3.5"), 3.5, 4},
    {"negative then text", QStringLiteral("-4 notes"), -4, -4},
    {"plus sign", QStringLiteral("+6"), 6, 6},
    {"trailing point", QStringLiteral("5."), 5, 5},
    {"leading point", QStringLiteral(".5"), 0.5, 0},
    {"exponent", QStringLiteral("1e3"), 1000, 1000},
    {"exponent without digits", QStringLiteral("2e"), 2, 2},
    {"empty", QString(), 0, 0},
    {"sign alone", QStringLiteral("-"), 0, 0},
    {"point alone", QStringLiteral("."), 0, 0},
    {"non-ASCII digits are not digits", QStringLiteral("٣"), 0, 0},
};

// Everything else is read strictly: text that is not a value of the type gives nothing.
struct Strict
{
    const char *name;
    const char *type;
    QString text;
    QVariant expected;   // invalid: the conversion fails
};

const QVariant Fails;
const Strict StrictRows[] = {
    {"int16 largest", "int16", QStringLiteral("32767"), 32767},
    {"int16 smallest", "int16", QStringLiteral("-32768"), -32768},
    {"int16 overflow", "int16", QStringLiteral("40000"), Fails},
    {"int16 one past", "int16", QStringLiteral("32768"), Fails},
    {"int16 one below", "int16", QStringLiteral("-32769"), Fails},
    {"int16 half to even down", "int16", QStringLiteral("2.5"), 2},
    {"int16 half to even up", "int16", QStringLiteral("3.5"), 4},
    {"int16 rounds past the top", "int16", QStringLiteral("32767.5"), Fails},
    {"int16 blanks around", "int16", QStringLiteral(" 12 "), 12},
    {"int16 trailing letters", "int16", QStringLiteral("12abc"), Fails},
    {"int16 empty", "int16", QString(), Fails},
    {"int32 system colour", "int32", QStringLiteral("-2147483633"), -2147483633},
    {"int32 smallest", "int32", QStringLiteral("-2147483648"), qint64(-2147483648LL)},
    {"int32 largest", "int32", QStringLiteral("2147483647"), 2147483647},
    {"int32 overflow", "int32", QStringLiteral("2147483648"), Fails},
    {"int32 letters", "int32", QStringLiteral("five hundred"), Fails},
    {"byte opaque", "byte", QStringLiteral("255"), 255},
    {"byte zero", "byte", QStringLiteral("0"), 0},
    {"byte overflow", "byte", QStringLiteral("256"), Fails},
    {"byte negative", "byte", QStringLiteral("-1"), Fails},
    {"byte half rounds past the top", "byte", QStringLiteral("255.5"), Fails},
    {"byte half to even", "byte", QStringLiteral("254.5"), 254},
    {"single fraction", "single", QStringLiteral("9.75"), 9.75},
    {"single negative", "single", QStringLiteral("-3.5"), -3.5},
    {"single too large", "single", QStringLiteral("1e39"), Fails},
    {"single letters", "single", QStringLiteral("nine"), Fails},
    {"single empty", "single", QString(), Fails},
    {"bool True", "bool", QStringLiteral("True"), true},
    {"bool False", "bool", QStringLiteral("False"), false},
    {"bool lower case", "bool", QStringLiteral("false"), false},
    {"bool upper case", "bool", QStringLiteral("TRUE"), true},
    {"bool maybe", "bool", QStringLiteral("maybe"), Fails},
    {"bool empty", "bool", QString(), Fails},
    {"bool nonzero number", "bool", QStringLiteral("-1"), true},
    {"bool zero", "bool", QStringLiteral("0"), false},
};

QVariant converted(const QString &type, const QString &text)
{
    QVariant got;
    auto take = [&got](const auto &value) {
        if (value)
            got = QVariant::fromValue(*value);
    };
    if (type == QLatin1String("int16"))
        take(Conversions::toInt16(text));
    else if (type == QLatin1String("int32"))
        take(Conversions::toInt32(text));
    else if (type == QLatin1String("byte"))
        take(Conversions::toByte(text));
    else if (type == QLatin1String("single"))
        take(Conversions::toSingle(text));
    else if (type == QLatin1String("bool"))
        take(Conversions::toBool(text));
    return got;
}

} // namespace

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<double>("whole");
        for (const Leading &row : LeadingRows)
            QTest::newRow(row.name) << row.text << row.number << row.whole;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QFETCH(double, whole);
        const double read = Conversions::leadingNumber(text);
        QCOMPARE(read, number);
        QCOMPARE(Conversions::roundHalfEven(read), whole);
    }

    void strictConversions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("expected");
        for (const Strict &row : StrictRows)
            QTest::newRow(row.name) << QString::fromLatin1(row.type) << row.text << row.expected;
    }

    void strictConversions()
    {
        QFETCH(QString, type);
        QFETCH(QString, text);
        QFETCH(QVariant, expected);
        QVERIFY(QStringList({"int16", "int32", "byte", "single", "bool"}).contains(type));

        const QVariant got = converted(type, text);
        QCOMPARE(got.isValid(), expected.isValid());
        if (!expected.isValid())
            return;
        if (type == QLatin1String("bool"))
            QCOMPARE(got.toBool(), expected.toBool());
        else
            QCOMPARE(got.toDouble(), expected.toDouble());
    }

    // The fuzz target's rules, on what it starts from: its seeds, and the rows above in each of its
    // locales (with colours and dates of both signs and of every day of the week).
    void rowsAndSeedsKeepTheFuzzedRules_data()
    {
        QTest::addColumn<int>("locale");   // -1: the seed corpus as it is
        QTest::newRow("seed corpus") << -1;
        for (int locale = 0; locale < ConversionChecks::LocaleCount; ++locale)
            QTest::newRow(ConversionChecks::Locales[locale]) << locale;
    }

    void rowsAndSeedsKeepTheFuzzedRules()
    {
        QFETCH(int, locale);
        QList<QByteArray> inputs;
        if (locale < 0) {
            const QDir seeds(QStringLiteral(QUILLARREN_CONVERSION_SEEDS));
            for (const QString &name : seeds.entryList(QDir::Files))
                inputs.append(OnDisk::readFile(seeds.filePath(name)));
            QVERIFY(inputs.size() >= 7);
        } else {
            QStringList texts;
            for (const Leading &row : LeadingRows)
                texts.append(row.text);
            for (const Strict &row : StrictRows)
                texts.append(row.text);
            for (int i = 0; i < texts.size(); ++i)
                inputs.append(ConversionChecks::input(locale, texts.at(i), quint32(i) * 2654435761u, quint32(i) * 40503u));
        }
        QTemporaryDir dir;
        SettingsStore store;
        QVERIFY(store.open(dir.filePath(QStringLiteral("Quillarren.sqlite3"))).ok);
        for (const QByteArray &input : inputs) {
            const QString fault = ConversionChecks::check(store, reinterpret_cast<const uint8_t *>(input.constData()),
                                                          size_t(input.size()));
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }
};

QTEST_MAIN(TestConversions)
#include "tst_conversions.moc"
