// Morvane automation service.
// How every automation object answers a call: its result, or an error of the call.
#pragma once

#include <exception>
#include <type_traits>

class IDocumentAutomation;
class QDBusContext;

namespace morvane::automation {

/// Answers the call being served with an error for the exception: an AutomationError (a
/// client's argument names nothing) as InvalidArgs with its text; any other exception as
/// Failed with its text, after the document's report of an unhandled exception.
void replyWithError(QDBusContext &context, IDocumentAutomation &document,
                    const std::exception_ptr &error);

/// The result of call(), or, when it throws, a value-initialised result after the error reply:
/// no exception leaves an automation call.
template <class Call>
auto answerCall(QDBusContext &context, IDocumentAutomation &document, Call &&call)
{
    using Result = std::invoke_result_t<Call>;
    try {
        return call();
    } catch (...) {
        replyWithError(context, document, std::current_exception());
    }
    if constexpr (!std::is_void_v<Result>)
        return Result{};
}

} // namespace morvane::automation
