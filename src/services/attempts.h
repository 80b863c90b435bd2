// The attempt rule every adapter keeps: at most two attempts, the second only after an empty
// result, at once; the last result is returned, empty or not.
#pragma once

#include "text/text.h"

template <typename Attempt>
Text WithSecondAttempt(Attempt attempt) {
    Text result = attempt();
    return result.empty() ? attempt() : result;
}
