#pragma once

#include "gui/platform/layeredwindow.h"

#include <QHash>

// Layered windows on Qt: alpha is the window's opacity (_NET_WM_WINDOW_OPACITY on X11). The
// colour key is native on Windows; elsewhere its state is kept but nothing is keyed out.
class QtLayeredWindow final : public LayeredWindow
{
public:
    bool isSupported() const override;
    qint32 extendedStyle(qint64 window) const override;
    bool setExtendedStyle(qint64 window, qint32 style) override;
    bool setLayeredAttributes(qint64 window, quint32 colorKey, quint8 alpha, quint32 flags) override;
    quint32 systemColor(int index) const override;

private:
    QHash<qint64, qint32> m_styles;   // the extended style, which only Windows keeps itself
};
