#pragma once

#include "platform/VbError.h"

#include <functional>

// The number of the error a call raises, 0 when it raises none.
inline long errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::VbError& e) {
        return e.number();
    }
    return 0;
}
