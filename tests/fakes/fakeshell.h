#pragma once

#include "gui/platform/shell.h"

#include <QStringList>

// Records what would have been handed to the desktop's handlers.
class FakeShell final : public Shell
{
public:
    QStringList opened;
    bool handlerInstalled = true;

    bool open(const QString &target) override
    {
        opened.append(target);
        return handlerInstalled;
    }
};
