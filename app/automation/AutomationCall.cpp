// Morvane automation service.
// How every automation object answers a call: its result, or an error of the call.
#include "app/automation/AutomationCall.h"

#include "app/documents/AutomationError.h"
#include "model/MorvaneException.h"

#include <QDBusContext>
#include <QDBusError>
#include <QString>

namespace morvane::automation {

void replyWithError(QDBusContext &context, const ExceptionReport &report,
                    const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const AutomationError &refusal) {
        context.sendErrorReply(QDBusError::InvalidArgs, QString::fromStdString(refusal.what()));
    } catch (const CMorvaneException &failure) {
        if (report)
            report(&failure);
        context.sendErrorReply(QDBusError::Failed, QString::fromStdString(failure.what()));
    } catch (const std::exception &failure) {
        if (report)
            report(nullptr);
        context.sendErrorReply(QDBusError::Failed, QString::fromStdString(failure.what()));
    } catch (...) {
        if (report)
            report(nullptr);
        context.sendErrorReply(QDBusError::Failed, QStringLiteral("unknown error"));
    }
}

} // namespace morvane::automation
