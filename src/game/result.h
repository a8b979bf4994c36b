#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace korvalin {

// Why a step failed, in the words the player is shown.
struct Failure {
    std::string message;
};

// What a step that can fail gives back: its value, or the message that says
// why there is none. Result<> is a step that gives nothing back but success.
template <class T = std::monostate>
class Result {
public:
    Result() requires std::is_same_v<T, std::monostate> {}
    Result(T value) : outcome_(std::move(value)) {}
    Result(Failure failure) : outcome_(std::move(failure)) {}

    explicit operator bool() const { return outcome_.index() == 0; }
    T& operator*() { return std::get<0>(outcome_); }
    const T& operator*() const { return std::get<0>(outcome_); }
    T* operator->() { return &**this; }
    const T* operator->() const { return &**this; }
    const std::string& message() const { return std::get<1>(outcome_).message; }

private:
    std::variant<T, Failure> outcome_;
};

}  // namespace korvalin
