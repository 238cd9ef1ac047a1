#pragma once

#include <QString>

class QWidget;

// The optional skin: a style sheet beside the program for the menu window and its menu.
namespace Skin {

/** The skin file below the program folder. */
QString filePath();
/** Gives the menu window the skin, when there is one; throws Failure when it cannot be read. */
void applyTo(QWidget &menuWindow);
/** Paints a dialog and its labels, check boxes, option buttons and frames in the button-face colour. */
void setStandardColors(QWidget *window);

} // namespace Skin
