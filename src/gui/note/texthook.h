#pragma once

#include <QObject>

class Program;

// Keeps a text field's own edit menu from ever showing: the note's popup menu takes its place.
class TextHook final : public QObject
{
    Q_OBJECT

public:
    /** Eats the context-menu request; everything else passes on unchanged. */
    bool eventFilter(QObject *watched, QEvent *event) override;
};

/** Hooks the text field in Program::HookedTextWindow. */
void InstallTextHook(Program &program);
/** Gives the text field in Program::HookedTextWindow back its own handling. */
void RemoveTextHook(Program &program);
