#pragma once

#include <QtGlobal>

/** The layered-window calls a translucency controller makes on a window handle. */
class LayeredWindow
{
public:
    static constexpr qint32 ExtendedStyleLayered = 0x00080000;
    static constexpr quint32 UseColorKey = 1;
    static constexpr quint32 UseAlpha = 2;

    virtual ~LayeredWindow() = default;

    /** The platform has layered (see-through) top-level windows. */
    virtual bool isSupported() const = 0;
    /** The window's extended style; 0 for a window that does not exist. */
    virtual qint32 extendedStyle(qint64 window) const = 0;
    /** Sets the extended style; false when the window does not exist. */
    virtual bool setExtendedStyle(qint64 window, qint32 style) = 0;
    /** Makes the colour key transparent (UseColorKey) or the window alpha-opaque (UseAlpha);
        false when the window does not exist or is not layered. */
    virtual bool setLayeredAttributes(qint64 window, quint32 colorKey, quint8 alpha, quint32 flags) = 0;
    /** The plain colour (0x00BBGGRR) of the system colour with this index. */
    virtual quint32 systemColor(int index) const = 0;
};
