#pragma once

#include <QString>

// Where the program's file and folder dialogs open: in the folder last chosen in one of them
// while it still exists, else in the user's home. Never in the folder the program happened to be
// started from, which to the user is a random place.
class DialogFolder final
{
public:
    QString start() const;
    /** The file chosen in a dialog: its folder is where the next dialog opens. */
    void rememberFile(const QString &file);
    /** The folder chosen in a dialog: the next dialog opens there. */
    void rememberFolder(const QString &folder);

private:
    QString m_last;
};
