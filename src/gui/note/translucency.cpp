#include "gui/note/translucency.h"

#include "gui/platform/layeredwindow.h"

Translucency::Translucency(LayeredWindow &layered)
    : m_layered(layered)
    , m_supported(layered.isSupported())
{
}

Translucency::~Translucency()
{
    ClearLayering(m_window);
}

quint32 Translucency::TranslateColor(qint32 colour) const
{
    if (colour < 0)
        return m_layered.systemColor(colour & 0x7fffffff);
    return quint32(colour);
}

bool Translucency::ClearLayering(qint64 window)
{
    if (window == 0)
        return false;
    m_layered.setLayeredAttributes(window, 0, 255, LayeredWindow::UseAlpha);
    const qint32 style = m_layered.extendedStyle(window);
    return m_layered.setExtendedStyle(window, style & ~LayeredWindow::ExtendedStyleLayered);
}

bool Translucency::SetLayering(qint64 window)
{
    if (window == 0)
        return false;
    const qint32 style = m_layered.extendedStyle(window);
    if (!m_layered.setExtendedStyle(window, style | LayeredWindow::ExtendedStyleLayered))
        return false;
    m_alpha = 255;
    return m_layered.setLayeredAttributes(window, 0, 255, LayeredWindow::UseAlpha);
}

bool Translucency::ApplyMode(qint64 window)
{
    if (window == 0 || m_mode == 0)
        return false;
    // Clearing and setting the style again makes the platform take the layering afresh.
    const qint32 style = m_layered.extendedStyle(window);
    if (!m_layered.setExtendedStyle(window, style & ~LayeredWindow::ExtendedStyleLayered))
        return false;
    if (!m_layered.setExtendedStyle(window, style | LayeredWindow::ExtendedStyleLayered))
        return false;
    if (m_mode == 1)
        return m_layered.setLayeredAttributes(window, TranslateColor(m_colorKey), 0, LayeredWindow::UseColorKey);
    return m_layered.setLayeredAttributes(window, 0, quint8(m_alpha), LayeredWindow::UseAlpha);
}

void Translucency::setAlpha(quint8 value)
{
    if (!m_supported || m_mode < 0)
        return;
    if (m_mode == 0 || m_mode == 1) {
        m_alpha = value;
        m_mode = 2;
        ApplyMode(m_window);
        return;
    }
    if (m_layered.setLayeredAttributes(m_window, 0, value, LayeredWindow::UseAlpha))
        m_alpha = value;
}

void Translucency::setColorKey(qint32 colour)
{
    if (!m_supported)
        return;
    if (m_mode == 0 || m_mode == 2) {
        m_colorKey = colour;
        m_mode = 1;
        ApplyMode(m_window);
        return;
    }
    if (m_layered.setLayeredAttributes(m_window, TranslateColor(colour), 0, LayeredWindow::UseColorKey))
        m_colorKey = colour;
}

void Translucency::sethWnd(qint64 window)
{
    if (!m_supported)
        return;
    ClearLayering(m_window);
    m_window = window;
    SetLayering(window);
}

void Translucency::setMode(qint32 mode)
{
    if (mode == 0) {
        m_mode = 0;
        ClearLayering(m_window);
    } else if (mode == 1 || mode == 2) {
        m_mode = mode;
        ApplyMode(m_window);
    }
}
