#include "gui/platform/errorreport.h"

#include "gui/platform/dialogs.h"
#include "base/system/product.h"

#include <QApplication>
#include <QCoreApplication>

Failure::Failure(const QString &description)
    : std::runtime_error(description.toStdString())
{
}

namespace ErrorReport {

QString text(const QString &description, const QString &module, const QString &handler, int line)
{
    const QString where = Product::ReportPrefix + QLatin1Char('.') + module + QLatin1Char('.') + handler;
    return QCoreApplication::translate("Failure", "%1\r\nin %2 at line %3\r\n\r\nPlease email screenshot of this message to %4")
        .arg(description, where, QString::number(line), Product::SupportEmail);
}

void show(Dialogs &dialogs, const QString &description, const QString &module, const QString &handler, int line)
{
    dialogs.messageBox(QApplication::activeWindow(), text(description, module, handler, line),
                       QCoreApplication::translate("Failure", "Application Error"), MessageButtons::Ok, MessageIcon::Warning);
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
            description = QCoreApplication::translate("Failure", "Unexpected failure");
        }
        show(dialogs, description, module, handler, step.line);
        if (endAfterFailure)
            return;
    }
}

} // namespace ErrorReport
