#include "platform/textfile.h"

#include <QSaveFile>
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

bool write(const QString &path, const QString &text, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = encode(text);
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace TextFile
