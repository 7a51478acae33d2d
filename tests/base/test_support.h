// Helpers shared by the base library's tests: the outcome of a call as text
// (its result, or the message of the exception it raised), so that one table
// row can hold either.
#pragma once

#include "base/exceptions.h"

#include <string>

namespace rq::base::test {

template <typename Fn> std::string outcome(Fn fn) {
    try {
        return fn();
    } catch (const Exception& e) {
        return std::string("error: ") + e.what();
    }
}

} // namespace rq::base::test
