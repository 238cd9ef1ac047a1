#include "gui/platform/errorreport.h"

#include "gui/platform/dialogs.h"
#include "base/system/product.h"

#include <QApplication>

Failure::Failure(const QString &description)
    : std::runtime_error(description.toStdString())
{
}

namespace ErrorReport {

QString text(const QString &description, const QString &module, const QString &handler, int line)
{
    return description + QStringLiteral("\r\nin ") + Product::ReportPrefix + QLatin1Char('.') + module
        + QLatin1Char('.') + handler + QStringLiteral(" at line ") + QString::number(line)
        + QStringLiteral("\r\n\r\nPlease email screenshot of this message to ") + Product::SupportEmail;
}

void show(Dialogs &dialogs, const QString &description, const QString &module, const QString &handler, int line)
{
    dialogs.messageBox(QApplication::activeWindow(), text(description, module, handler, line),
                       QStringLiteral("Application Error"), MessageButtons::Ok, MessageIcon::Warning);
}

void run(Dialogs &dialogs, const QString &module, const QString &handler, std::initializer_list<Step> steps,
         bool endAfterFailure)
{
    for (const Step &step : steps) {
        QString description;
        try {
            step.run();
            continue;
        } catch (const std::exception &e) {
            description = QString::fromUtf8(e.what());
        } catch (...) {
            description = QStringLiteral("Unexpected failure");
        }
        show(dialogs, description, module, handler, step.line);
        if (endAfterFailure)
            return;
    }
}

} // namespace ErrorReport
