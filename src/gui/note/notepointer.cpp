#include "gui/note/notewindow.h"

#include "gui/notebook/program.h"
#include "gui/note/borderlessresize.h"
#include "gui/platform/errorreport.h"
#include "gui/platform/units.h"
#include "base/store/conversions.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWindow>

// The pointer on a note: the strip across the top moves it, the band along the text field's
// bottom and right edges resizes it, a right click opens the menu.

void NoteWindow::mousePressEvent(QMouseEvent *event)
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Form_MouseDown"), {
        {100, [this] { recordHandle(); }},
        {102, [&] {
             if (event->button() == Qt::LeftButton)
                 beginMove(event->globalPosition());
             else if (event->button() == Qt::RightButton) {
                 QPointer<NoteWindow> self = this;
                 openPopupMenu(event->globalPosition().toPoint());
                 if (self)
                     restoreFocusAfterMenu();
             }
         }},
    });
}

void NoteWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (followPointer(event->globalPosition()))
        return;
    setPointerShape(SizeAll);
}

void NoteWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_manualDrag) {
        m_manualDrag.reset();
        storePlaceNow();
    }
    if (event->button() == Qt::LeftButton)
        recordHandle();   // a click on the window
}

bool NoteWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_textField && event->type() == QEvent::KeyPress)
        return onTextKey(static_cast<QKeyEvent *>(event));
    if (watched == m_textField->viewport()) {
        switch (event->type()) {
        // A quick second press in the resize band is still a press there, not a word to select.
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            resizeOrMenuFromText(mouse);
            if (mouse->isAccepted())
                return true;   // a resize or the menu took the press
            // The text field takes it, and it must not travel on to the window as a move.
            mouse->setAccepted(true);
            return false;
        }
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (followPointer(mouse->globalPosition()))
                return true;
            showPointerOverText(mouse);
            break;
        }
        case QEvent::MouseButtonRelease:
            if (m_manualDrag) {
                m_manualDrag.reset();
                storePlaceNow();
                return true;
            }
            recordHandle();   // a click in the text field
            break;
        default:
            break;
        }
    }
    return ProgramWindow::eventFilter(watched, event);
}

QPointF NoteWindow::twipsInText(const QPointF &pixels) const
{
    // Positions in the text field count from its own corner, not from its scrolled viewport.
    const QPointF inField = m_textField->viewport()->mapTo(m_textField, pixels);
    const double tpp = Units::twipsPerPixel();
    return inField * tpp;
}

void NoteWindow::resizeOrMenuFromText(QMouseEvent *event)
{
    event->setAccepted(false);
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Text1_MouseDown"), {
        {100, [this] { recordHandle(); }},
        {102, [&] {
             const QPointF at = twipsInText(event->position());
             const double tpp = Units::twipsPerPixel();
             for (NoteWindow *found : windowsWithStoredHandle()) {
                 const double width = found->m_textField->width() * tpp;
                 const double height = found->m_textField->height() * tpp;
                 if (event->button() == Qt::LeftButton
                     && BorderlessResize::InResizeBand(at.x(), at.y(), width, height)) {
                     const int code = BorderlessResize::EdgeHitCode(int(Conversions::roundHalfEven(at.x())),
                                                                    int(Conversions::roundHalfEven(at.y())));
                     found->beginResize(code, event->globalPosition());
                     event->setAccepted(true);
                 } else if (event->button() == Qt::RightButton) {
                     found->openPopupMenuFromText(event->globalPosition().toPoint());
                     event->setAccepted(true);
                 }
             }
         }},
    });
}

void NoteWindow::showPointerOverText(QMouseEvent *event)
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("Form1"), QStringLiteral("Text1_MouseMove"), {
        {100, [this] { recordHandle(); }},
        {102, [&] {
             const QPointF at = twipsInText(event->position());
             const double tpp = Units::twipsPerPixel();
             if (windowsWithStoredHandle().isEmpty())
                 return;
             const bool corner = BorderlessResize::InCornerZone(at.x(), at.y(), m_textField->width() * tpp,
                                                                m_textField->height() * tpp);
             setPointerShape(corner ? SizeDiagonal : IBeam);
         }},
    });
}

void NoteWindow::setPointerShape(int shape)
{
    m_pointerShape = shape;
    const Qt::CursorShape cursor = shape == SizeAll        ? Qt::SizeAllCursor
                                   : shape == SizeDiagonal ? Qt::SizeFDiagCursor
                                                           : Qt::IBeamCursor;
    // The text field shows its own pointer; it follows the window's choice while over it.
    if (shape == SizeAll)
        setCursor(cursor);
    else
        m_textField->viewport()->setCursor(cursor);
}

void NoteWindow::beginMove(const QPointF &globalPress)
{
    m_place.userTakesIt();
    QWindow *window = windowHandle();
    if (window && window->startSystemMove())
        return;
    m_manualDrag = ManualDrag{Qt::Edges(), globalPress, geometry()};
}

void NoteWindow::beginResize(int hitCode, const QPointF &globalPress)
{
    m_place.userTakesIt();
    const Qt::Edges edges = BorderlessResize::EdgesFor(hitCode);
    QWindow *window = windowHandle();
    if (window && window->startSystemResize(edges))
        return;
    m_manualDrag = ManualDrag{edges, globalPress, geometry()};
}

bool NoteWindow::followPointer(const QPointF &globalPos)
{
    if (!m_manualDrag)
        return false;
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        m_manualDrag.reset();
        return false;
    }
    const QPoint delta = (globalPos - m_manualDrag->startPointer).toPoint();
    setGeometry(BorderlessResize::DraggedGeometry(m_manualDrag->startGeometry, m_manualDrag->edges, delta,
                                                  minimumSize()));
    return true;
}
