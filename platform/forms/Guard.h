#pragma once

#include <functional>
#include <type_traits>

// Every event handler is entered through this guard. It runs the handler; when the
// handler throws, it shows the standard error report and returns false, so the
// caller can abandon what depended on the handler (a close, the rest of a
// sequence). No exception leaves it.
bool guarded(const std::function<void()>& handler);

// Wraps a handler for connecting to a Qt signal, so nothing thrown reaches Qt.
// The handler takes the signal's arguments, or none.
template <typename Handler>
auto guardedSlot(Handler handler)
{
    return [handler](auto&&... args) {
        guarded([&] {
            if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
                handler(args...);
            else
                handler();
        });
    };
}
