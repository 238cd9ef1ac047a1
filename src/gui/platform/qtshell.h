#pragma once

#include "gui/platform/shell.h"

class QtShell final : public Shell
{
public:
    bool open(const QString &target) override;
};
