#pragma once

#include <QString>

// Who we are, each said once.
namespace Product {

inline const QString FullName = QStringLiteral("Quillarren Sticky Notes for the Desktop by Brimvale Software");
inline const QString Caption = QStringLiteral("Quillarren");
inline const QString SupportEmail = QStringLiteral("quillarren-support@brimvale.net");
inline const QString WebSite = QStringLiteral("https://www.brimvale.net/quillarren");
inline const QString WebDomain = QStringLiteral("www.brimvale.net");
/** Where the application object keeps the program's title (the default title of its boxes). */
inline constexpr char AppTitleProperty[] = "quillarrenAppTitle";
/** The project name error reports carry before the window and handler names. */
inline const QString ReportPrefix = QStringLiteral("Pellamy2021/08/31");

} // namespace Product
