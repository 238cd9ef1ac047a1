#pragma once

#include <QString>

// The program's title: the default title of its message boxes.
namespace AppTitle {

/** The product name shortened word by word to at most 40 characters (always by one word at least). */
QString shortened(const QString &fullName);
/** Sets the title from the product's full name. */
void install();
QString text();

} // namespace AppTitle
