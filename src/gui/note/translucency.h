#pragma once

#include <QtGlobal>

class LayeredWindow;

// Turns a window into a layered window and sets its opacity (mode 2) or its transparent colour
// (mode 1); mode 0 is an ordinary opaque window. Releasing it makes its window opaque again.
class Translucency final
{
    Q_DISABLE_COPY_MOVE(Translucency)

public:
    explicit Translucency(LayeredWindow &layered);
    ~Translucency();

    void setAlpha(quint8 value);
    quint8 Alpha() const { return quint8(m_alpha); }
    void setColorKey(qint32 colour);
    qint32 ColorKey() const { return m_colorKey; }
    void sethWnd(qint64 window);
    qint64 hWnd() const { return m_window; }
    void setMode(qint32 mode);
    qint32 Mode() const { return m_mode; }
    bool Supported() const { return m_supported; }

private:
    quint32 TranslateColor(qint32 colour) const;
    bool ClearLayering(qint64 window);
    bool SetLayering(qint64 window);
    bool ApplyMode(qint64 window);

    LayeredWindow &m_layered;
    bool m_supported = false;
    qint64 m_window = 0;
    qint32 m_alpha = 255;
    qint32 m_colorKey = qint32(0x8000000F);
    qint32 m_mode = 2;
};
