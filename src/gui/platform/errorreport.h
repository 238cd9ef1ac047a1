#pragma once

#include <QString>

#include <functional>
#include <initializer_list>
#include <stdexcept>

class Dialogs;
class QWidget;

// A step of a handler failed in a way the handler cannot put right itself.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &description);
};

namespace ErrorReport {

struct Step
{
    int line;
    std::function<void()> run;
};

/** The "Application Error" text for a failed step. */
QString text(const QString &description, const QString &module, const QString &handler, int line);

/** Shows the "Application Error" box for a failed step. */
void show(Dialogs &dialogs, const QString &description, const QString &module, const QString &handler,
          int line);

/** Runs a handler's numbered steps. A failing step is reported and the next step runs, unless
    endAfterFailure is set, when the handler ends after the report. */
void run(Dialogs &dialogs, const QString &module, const QString &handler, std::initializer_list<Step> steps,
         bool endAfterFailure = false);

} // namespace ErrorReport
