#include "platform/win/HandlerFailure.h"

#include <exception>
#include <string>

namespace win {
namespace {

HandlerFailureSink g_sink = nullptr;

}  // namespace

void SetHandlerFailureSink(HandlerFailureSink sink) {
  g_sink = sink;
}

namespace detail {

// Called inside the catch block, where the exception is still current.
void ReportCurrentException() noexcept {
  if (g_sink == nullptr) return;
  try {
    std::string text = "a window's handler threw: ";
    try {
      throw;
    } catch (const std::exception& e) {
      text += e.what();
    } catch (...) {
      text += "an exception of unknown type";
    }
    g_sink(text.c_str());
  } catch (...) {
    // Not even the report could be made; the message is still answered.
  }
}

}  // namespace detail
}  // namespace win
