// The host's refusal of a call, as the host words it.
#pragma once

#include <functional>
#include <string>

#include "kavrel/Lib.h"

namespace TalixTest {

// The description of the exception the host refuses call with, or "" when call goes through.
inline std::string FailureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Kavrel::Lib::KavrelException& refused) {
        return refused.GetDescription();
    }
    return "";
}

}  // namespace TalixTest
