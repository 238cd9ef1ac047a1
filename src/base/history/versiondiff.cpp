#include "base/history/versiondiff.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace VersionDiff {

namespace {

// Beyond this many cells a line diff costs more than a list may wait: lines are matched by
// count alone instead (a line is marked when `now` has fewer copies of it).
constexpr qsizetype MaxCells = 4 * 1000 * 1000;

QList<bool> byCount(const QStringList &lines, const QStringList &other)
{
    QHash<QString, int> left;
    for (const QString &line : other)
        ++left[line];
    QList<bool> marked;
    marked.reserve(lines.size());
    for (const QString &line : lines) {
        int &count = left[line];
        marked.append(count == 0);
        if (count > 0)
            --count;
    }
    return marked;
}

} // namespace

QString firstChangedLine(const QString *older, const QString &newer)
{
    if (!older) {
        for (const QStringView line : QStringView(newer).split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                return line.trimmed().toString();
        }
        return QString();
    }
    // Compared character by character: a list of many long versions splits none of them.
    const qsizetype common = std::mismatch(newer.begin(), newer.begin() + std::min(newer.size(), older->size()),
                                           older->begin()).first - newer.begin();
    qsizetype start = common == 0 ? 0 : newer.lastIndexOf(QLatin1Char('\n'), common - 1) + 1;
    if (common == newer.size()) {
        // All of it begins the older one: whole lines lost at the end, or the last line cut short.
        if (common == older->size() || older->at(common) == QLatin1Char('\n'))
            return QString();
    } else if (common == older->size() && newer.at(common) == QLatin1Char('\n')) {
        start = common + 1;   // lines added after the older one's last
    }
    const qsizetype end = newer.indexOf(QLatin1Char('\n'), start);
    return QStringView(newer).mid(start, end < 0 ? -1 : end - start).trimmed().toString();
}

QList<bool> linesNotIn(const QString &version, const QString &now)
{
    const QStringList a = version.split(QLatin1Char('\n'));
    const QStringList b = now.split(QLatin1Char('\n'));
    // What both begin and end with needs no table.
    qsizetype head = 0;
    while (head < a.size() && head < b.size() && a.at(head) == b.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a.at(a.size() - 1 - tail) == b.at(b.size() - 1 - tail))
        ++tail;
    const QStringList middleA = a.mid(head, a.size() - head - tail);
    const QStringList middleB = b.mid(head, b.size() - head - tail);
    QList<bool> marked(a.size(), false);
    const qsizetype n = middleA.size();
    const qsizetype m = middleB.size();
    if (n == 0)
        return marked;
    if (n * m > MaxCells) {
        const QList<bool> middle = byCount(middleA, middleB);
        std::copy(middle.begin(), middle.end(), marked.begin() + head);
        return marked;
    }
    // Longest common subsequence of lines, from the end, then walked from the start.
    std::vector<int> table(size_t((n + 1) * (m + 1)), 0);
    const auto at = [&](qsizetype i, qsizetype j) -> int & { return table[size_t(i * (m + 1) + j)]; };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j)
            at(i, j) = middleA.at(i) == middleB.at(j) ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    }
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n) {
        if (j < m && middleA.at(i) == middleB.at(j)) {
            ++i;
            ++j;
        } else if (j < m && at(i, j + 1) >= at(i + 1, j)) {
            ++j;
        } else {
            marked[head + i] = true;
            ++i;
        }
    }
    return marked;
}

} // namespace VersionDiff
