// TEvent<Args...>: an event field of a component (OnClick, OnChange...). It holds the handler as a
// std::function and, when the handler came from a window description or was bound under a name, that
// name, so that the description writer can store it again. Calling an empty event does nothing.
#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

template<class... Args>
class TEvent {
public:
    using TFunction = std::function<void(Args...)>;

    TEvent() = default;
    template<class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, TEvent> && std::is_invocable_v<F&, Args...>) TEvent(F&& Handler)
        : FFunction(std::forward<F>(Handler)) {}

    // Assigning a function (a lambda) in code: the event has no handler name then.
    template<class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, TEvent> && std::is_invocable_v<F&, Args...>) TEvent&
    operator=(F&& Handler) {
        FFunction = std::forward<F>(Handler);
        FHandlerName.clear();
        return *this;
    }
    TEvent& operator=(std::nullptr_t) {
        Clear();
        return *this;
    }

    // Binds a method of an object: OnClick.Bind(this, &TfmMain::btnAddClick).
    template<class C, class M>
    requires std::is_base_of_v<M, C>
    void Bind(C* Instance, void (M::*Method)(Args...), std::string HandlerName = {}) {
        FFunction = [Instance, Method](Args... A) { (Instance->*Method)(std::forward<Args>(A)...); };
        FHandlerName = std::move(HandlerName);
    }
    void Assign(std::string HandlerName, TFunction Function) {
        FHandlerName = std::move(HandlerName);
        FFunction = std::move(Function);
    }
    void Clear() {
        FFunction = nullptr;
        FHandlerName.clear();
    }

    explicit operator bool() const { return static_cast<bool>(FFunction); }
    void operator()(Args... A) const {
        if (FFunction) FFunction(std::forward<Args>(A)...);
    }

    const std::string& HandlerName() const { return FHandlerName; }
    const TFunction& Function() const { return FFunction; }

private:
    TFunction FFunction;
    std::string FHandlerName;
};

class TObject;
using TNotifyEvent = TEvent<TObject* /*Sender*/>;
