#pragma once

#include <QHash>
#include <QStringList>

class QWidget;

/** Windows laid out at fixed places, grown to fit their texts in the desktop's language: a label
    or button narrower than its text widens, whatever sits to its right on the same line moves
    along, and the window widens with them. A child whose caption changes while the window is open
    (Set Reminder / Disable Reminder) is given the width of the widest of `captions`. Called once
    the window's children are made, before their places are mirrored. */
namespace GrowToFit {

void apply(QWidget *window, const QHash<QWidget *, QStringList> &captions = {});

} // namespace GrowToFit
