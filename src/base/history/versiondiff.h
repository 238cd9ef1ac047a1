#pragma once

#include <QList>
#include <QString>

// Line by line, what tells versions of a note apart: for the history's list and its marks.
namespace VersionDiff {

/** The first line of `newer` that differs from `older`, trimmed; the first line that holds
    something when there is no older version. Empty when `newer` only lost lines at its end. */
QString firstChangedLine(const QString *older, const QString &newer);

/** For each line of `version`: true when it is not in `now` as it stands (a line changed,
    added or moved), matched in order as a line diff does. */
QList<bool> linesNotIn(const QString &version, const QString &now);

} // namespace VersionDiff
