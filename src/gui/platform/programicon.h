#pragma once

#include <QIcon>

/** The one window icon of the program: a small yellow note. */
QIcon programIcon();
