#pragma once

// Whether a message handler is running, for what must wait until control is back in the
// message loop: the temporary wrappers CGdiObject::FromHandle hands out.
namespace platform::detail {

// Marks a message handler running while it lives.
class HandlerScope {
 public:
  HandlerScope();
  ~HandlerScope();
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};

// Calls `release` once, when the outermost running handler returns (or the next one to run,
// when none runs now).
void WhenHandlersEnd(void (*release)());

}  // namespace platform::detail
