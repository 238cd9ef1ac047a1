#pragma once

#include <QString>

/** The desktop's handlers: the mail program for mailto: links, the browser for web addresses. */
class Shell
{
public:
    virtual ~Shell() = default;
    /** Opens a file, web address or mailto: link with its default handler; false when none took it. */
    virtual bool open(const QString &target) = 0;
};
