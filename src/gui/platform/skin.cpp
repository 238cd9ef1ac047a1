#include "gui/platform/skin.h"

#include "gui/platform/errorreport.h"
#include "gui/platform/units.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace Skin {

QString filePath()
{
    return Units::programFolder() + QStringLiteral("/x/o.cjs");
}

void applyTo(QWidget &menuWindow)
{
    const QString path = filePath();
    if (!QFileInfo(path).isFile())
        return;
    setStandardColors(&menuWindow);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Failure(QCoreApplication::translate("Skin", "The skin file %1 cannot be read: %2").arg(path, file.errorString()));
    const QString sheet = QString::fromUtf8(file.readAll());
    // Every note loads the skin again; the menu is restyled only when the file changed.
    if (menuWindow.styleSheet() != sheet)
        menuWindow.setStyleSheet(sheet);
}

void setStandardColors(QWidget *window)
{
    Units::setBackColor(window, Units::ButtonFace);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (qobject_cast<QRadioButton *>(child) || qobject_cast<QCheckBox *>(child)
            || qobject_cast<QGroupBox *>(child) || qobject_cast<QLabel *>(child))
            Units::setBackColor(child, Units::ButtonFace);
    }
}

} // namespace Skin
