#pragma once

#include <QString>

// The clipboard, each access tried up to 1000 times (another program may hold it a moment);
// format 0 is plain text.
namespace Clipboard {

void clear();
bool putText(const QString &text, int format = 0);
QString text(int format = 0);

} // namespace Clipboard
