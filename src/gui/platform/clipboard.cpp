#include "gui/platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace Clipboard {

namespace {

constexpr int Attempts = 1000;

// Text formats by their old numbers: 0 the default, 1 plain text, 7 OEM text, 13 Unicode text.
bool isTextFormat(int format)
{
    return format == 0 || format == 1 || format == 7 || format == 13;
}

template <typename Access>
void retry(Access access)
{
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (access())
            return;
    }
}

} // namespace

void clear()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    retry([clipboard] {
        clipboard->clear();
        const QMimeData *data = clipboard->mimeData();
        return !data || data->formats().isEmpty();
    });
}

bool putText(const QString &text, int format)
{
    if (!isTextFormat(format))
        return false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    bool placed = false;
    retry([&] {
        clipboard->setText(text);
        placed = clipboard->text() == text;
        return placed;
    });
    return placed;
}

QString text(int format)
{
    QString text;
    if (!isTextFormat(format))
        return text;
    QClipboard *clipboard = QGuiApplication::clipboard();
    retry([&] {
        const QMimeData *data = clipboard->mimeData();
        if (!data)
            return false;   // the clipboard could not be read this time
        text = data->hasText() ? data->text() : QString();
        return true;
    });
    return text;
}

} // namespace Clipboard
