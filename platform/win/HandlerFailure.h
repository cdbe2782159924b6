// A window's handler that throws must not take the process down: where the toolkit hands a
// message to a window (and wherever SendMessage calls a window procedure), what is thrown
// is caught, the message is answered with 0 and a text saying what was thrown goes to the
// sink. The album points the sink at the suite's error record at start-up; the platform
// cannot reach that record itself.
#pragma once

namespace win {

using HandlerFailureSink = void (*)(const char* what);
// Replaces the sink; null drops the texts.
void SetHandlerFailureSink(HandlerFailureSink sink);

// Runs a handler; what it throws is reported and gives the fallback instead.
template <class Result, class Body>
Result CallHandler(Result fallback, Body body) noexcept;

namespace detail {
void ReportCurrentException() noexcept;
}

template <class Result, class Body>
Result CallHandler(Result fallback, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    detail::ReportCurrentException();
    return fallback;
  }
}

}  // namespace win
