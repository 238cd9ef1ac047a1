#include "base/files/textfile.h"

#include <QStringEncoder>

namespace TextFile {

QByteArray encode(const QString &text)
{
    QString native = text;
#ifdef Q_OS_WIN
    native.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
#endif
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(native);
}

bool write(const QString &path, const QString &text, const SafeWrite::Options &options, QString *error)
{
    return SafeWrite::replaceWhole(path, encode(text), options, error);
}

} // namespace TextFile
