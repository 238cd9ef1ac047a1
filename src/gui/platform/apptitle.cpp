#include "gui/platform/apptitle.h"

#include "base/system/product.h"

#include <QCoreApplication>
#include <QVariant>

namespace AppTitle {

QString shortened(const QString &fullName)
{
    QString title = fullName;
    do {
        const int space = title.lastIndexOf(QLatin1Char(' '));
        if (space < 0)
            break;   // nothing left to cut: keep the single word
        title.truncate(space);
    } while (title.size() > 40);
    return title;
}

void install()
{
    // Kept as the program's title, not as Qt's application display name: Qt appends that to every
    // window's caption, which cut "Reminder [Enabled]" down to "Reminder [Enab…" in title bars.
    qApp->setProperty(Product::AppTitleProperty, shortened(Product::FullName));
}

QString text()
{
    return qApp->property(Product::AppTitleProperty).toString();
}

} // namespace AppTitle
