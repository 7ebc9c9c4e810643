// The message of the exception an action raises, so that a test states the expected message in one
// expectation instead of a try block of its own.
#pragma once

#include <string>
#include <utility>

// What RaisedMessage gives when the action raises nothing: no message a test expects looks like it.
inline const std::string NothingRaised = "(nothing raised)";

// The message of the E that Action raises (the framework's Message(), else what()), or NothingRaised. Any
// other exception passes through, and the test fails on it.
template<class E, class F>
std::string RaisedMessage(F&& Action) {
    try {
        std::forward<F>(Action)();
    } catch (const E& Error) {
        if constexpr (requires { Error.Message(); })
            return std::string(Error.Message());
        else
            return Error.what();
    }
    return NothingRaised;
}
