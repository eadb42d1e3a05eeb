// Morvane automation service.
// How every automation object answers a call: its result, or an error of the call.
#pragma once

#include <exception>
#include <functional>
#include <type_traits>

class CMorvaneException;
class QDBusContext;

namespace morvane::automation {

/// The program's report of an exception that an automation call let out (null: no exception
/// object of the model's kind).
using ExceptionReport = std::function<void(const CMorvaneException *)>;

/// Answers the call being served with an error for the exception: an AutomationError (a
/// client's argument names nothing) as InvalidArgs with its text; any other exception as
/// Failed with its text, after the program's report.
void replyWithError(QDBusContext &context, const ExceptionReport &report,
                    const std::exception_ptr &error);

/// The result of call(), or, when it throws, a value-initialised result after the error reply:
/// no exception leaves an automation call.
template <class Call>
auto answerCall(QDBusContext &context, const ExceptionReport &report, Call &&call)
{
    using Result = std::invoke_result_t<Call>;
    try {
        return call();
    } catch (...) {
        replyWithError(context, report, std::current_exception());
    }
    if constexpr (!std::is_void_v<Result>)
        return Result{};
}

} // namespace morvane::automation
