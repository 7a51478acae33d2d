// Storing into a variable's value on the evaluator's hot paths. A Variant
// that holds no shared block (anything but a string or an array) needs no
// release before it is overwritten, so the new value is built in place
// instead of going through the general assignment.
#pragma once

#include "base/variant.h"

#include <cstdint>
#include <new>

namespace rq::script {

inline bool HoldsNoBlock(const rq::base::Variant& v) {
    return !v.isString() && !v.isArray();
}

inline void StoreInt(rq::base::Variant& slot, std::int32_t value) {
    if (HoldsNoBlock(slot))
        ::new (static_cast<void*>(&slot)) rq::base::Variant(static_cast<int>(value));
    else
        slot = rq::base::Variant(static_cast<int>(value));
}

// A whole number as the variant operators deliver it: Integer when it fits
// in 32 bits, else Int64.
inline void StoreWholeNumber(rq::base::Variant& slot, std::int64_t value) {
    if (value >= INT32_MIN && value <= INT32_MAX)
        StoreInt(slot, static_cast<std::int32_t>(value));
    else if (HoldsNoBlock(slot))
        ::new (static_cast<void*>(&slot)) rq::base::Variant(rq::base::Variant::fromInt64(value));
    else
        slot = rq::base::Variant::fromInt64(value);
}

} // namespace rq::script
