#include "gui/note/notewindow.h"

#include "gui/notebook/program.h"
#include "gui/note/translucency.h"
#include "gui/platform/units.h"
#include "gui/platform/windowtimer.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QPlainTextEdit>

#include <cmath>
#include <limits>

// The note's look: its colours, its font and how far one sees through it.

namespace {

constexpr qint32 NoteYellow = 0x00C0FFFF;

// The slot counter: 1 to 32767, wrapping to 1, a stored value that is not one counting as 1.
qint16 slotFrom(const QString &stored)
{
    const auto slot = Conversions::toInt16(stored);
    return slot && *slot >= 1 ? *slot : 1;
}

// A stored level that is not a whole number from 0 to 255 counts as absent. Below the commands'
// own lower bound a note would be all but invisible, and it has no taskbar entry to be found by.
quint8 levelFrom(const QString &stored)
{
    constexpr int Lowest = 80;
    const auto level = Conversions::toDouble(stored);
    if (level && *level == std::floor(*level) && *level >= 0 && *level <= 255)
        return quint8(std::max(Lowest, int(*level)));
    return 200;
}

} // namespace


void NoteWindow::showColour(qint32 colour)
{
    const QColor shown = Units::toQColor(colour);
    QPalette text = m_textField->palette();
    text.setColor(QPalette::Base, shown);
    m_textField->setPalette(text);
    QPalette window = palette();
    window.setColor(QPalette::Window, shown);
    setPalette(window);
}

void NoteWindow::applyStoredSeeThrough()
{
    m_translucencySlot = slotFrom(m_program.store.get(key(NoteKeys::TransCount), NoteKeys::DefaultTransCount));
    auto controller = std::make_shared<Translucency>(m_program.layered());
    m_translucencyTable.insert(m_translucencySlot, controller);
    controller->sethWnd(hWnd());
    controller->setMode(2);
    controller->setAlpha(levelFrom(m_program.store.get(key(NoteKeys::Translucency), NoteKeys::DefaultTranslucency)));
    const qint16 next = m_translucencySlot == std::numeric_limits<qint16>::max() ? 1 : qint16(m_translucencySlot + 1);
    m_program.store.save(key(NoteKeys::TransCount), QString::number(next));
    m_seeThroughTimer->setInterval(0);
}

Translucency *NoteWindow::translucency() const
{
    return m_translucencyTable.value(m_translucencySlot).get();
}

qint32 NoteWindow::backColor() const
{
    return Units::backColor(this, NoteYellow);
}

void NoteWindow::setBackColor(qint32 colour)
{
    Units::setBackColor(this, colour);
}

void NoteWindow::setTextColor(qint32 colour)
{
    m_textColor = colour;
    QPalette palette = m_textField->palette();
    palette.setColor(QPalette::Text, Units::toQColor(colour));
    m_textField->setPalette(palette);
}

void NoteWindow::setTextBackColor(qint32 colour)
{
    m_textBackColor = colour;
    QPalette palette = m_textField->palette();
    palette.setColor(QPalette::Base, Units::toQColor(colour));
    m_textField->setPalette(palette);
}

void NoteWindow::showBuiltInLook()
{
    m_textField->setFont(QFont(QStringLiteral("Arial"), 9));
    setTextColor(0);
    setTextBackColor(NoteYellow);
    setBackColor(NoteYellow);
}

void NoteWindow::setTextFont(const std::function<void(QFont &)> &edit)
{
    QFont font = m_textField->font();
    edit(font);
    m_textField->setFont(font);
}
