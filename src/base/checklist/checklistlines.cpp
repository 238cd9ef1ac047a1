#include "base/checklist/checklistlines.h"

#include <QCoreApplication>

#include <algorithm>

namespace ChecklistLines {

namespace {

bool isBlank(QStringView text)
{
    return text.trimmed().isEmpty();
}

// A line and the break that ends it: "\r\n", "\n" or "\r" (a text field shows each as a break),
// or nothing at the text's end.
struct Line
{
    QStringView text;
    QStringView end;
};

QList<Line> linesOf(QStringView text)
{
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        const qsizetype breakLength = (c == QLatin1Char('\r') && i + 1 < text.size()
                                       && text.at(i + 1) == QLatin1Char('\n')) ? 2 : 1;
        lines.append({text.sliced(start, i - start), text.sliced(i, breakLength)});
        i += breakLength - 1;
        start = i + 1;
    }
    lines.append({text.sliced(start), QStringView()});
    return lines;
}

} // namespace

Box boxOf(QStringView line)
{
    if (line.size() < BoxLength || line.at(1) != QLatin1Char(' '))
        return Box::None;
    if (line.at(0) == OpenBox)
        return Box::Open;
    if (line.at(0) == DoneBox)
        return Box::Done;
    return Box::None;
}

QString boxText(Box box)
{
    switch (box) {
    case Box::Open: return QString(QChar(OpenBox)) + QLatin1Char(' ');
    case Box::Done: return QString(QChar(DoneBox)) + QLatin1Char(' ');
    case Box::None: break;
    }
    return QString();
}

bool isEmptyItem(QStringView line)
{
    return boxOf(line) != Box::None && isBlank(line.sliced(BoxLength));
}

bool holdsBox(QStringView text)
{
    for (const QChar c : text) {
        if (c == OpenBox || c == DoneBox)
            return true;
    }
    return false;
}

int typedBoxLength(QStringView lineBeforeCaret)
{
    if (lineBeforeCaret == QLatin1String("[]") || lineBeforeCaret == QLatin1String("[ ]"))
        return int(lineBeforeCaret.size());
    return 0;
}

BoxEdit boxEditFor(const QStringList &lines)
{
    QList<int> considered;
    for (int i = 0; i < lines.size(); ++i) {
        if (!isBlank(lines.at(i)))
            considered.append(i);
    }
    if (considered.isEmpty()) {
        for (int i = 0; i < lines.size(); ++i)
            considered.append(i);
    }
    BoxEdit edit;
    edit.removing = std::all_of(considered.cbegin(), considered.cend(),
                                [&](int i) { return boxOf(lines.at(i)) != Box::None; });
    for (const int i : considered) {
        if (edit.removing || boxOf(lines.at(i)) == Box::None)
            edit.lines.append(i);
    }
    return edit;
}

QString markdown(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    bool afterItem = false;
    QStringView previousEnd;
    for (const Line &line : linesOf(text)) {
        const Box box = boxOf(line.text);
        // Markdown takes a line right under an item as more of that item's text.
        if (afterItem && box == Box::None && !isBlank(line.text))
            out += previousEnd;
        if (box != Box::None) {
            out += box == Box::Done ? QLatin1String("- [x] ") : QLatin1String("- [ ] ");
            out += line.text.sliced(BoxLength);
        } else {
            out += line.text;
        }
        out += line.end;
        afterItem = box != Box::None;
        previousEnd = line.end;
    }
    return out;
}

QString spoken(const QString &line)
{
    const Box box = boxOf(line);
    if (box == Box::None)
        return line;
    const QString state = box == Box::Done ? QCoreApplication::translate("ChecklistLines", "checked")
                                           : QCoreApplication::translate("ChecklistLines", "not checked");
    const QString rest = line.mid(BoxLength).trimmed();
    return rest.isEmpty() ? state : QCoreApplication::translate("ChecklistLines", "%1, %2").arg(state, rest);
}

QString withoutBox(const QString &line)
{
    return boxOf(line) == Box::None ? line : line.mid(BoxLength);
}

} // namespace ChecklistLines
