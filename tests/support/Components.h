// Finding and making the components a test works with.
#pragma once

#include "framework/core/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

class TMenuItem;

// The component Name of Owner as a T; a missing component, or one of another class, fails the test and gives null.
template<class T>
T* FindComponentAs(const TComponent& Owner, std::string_view Name) {
    auto* Found = dynamic_cast<T*>(Owner.FindComponent(Name));
    EXPECT_NE(Found, nullptr) << Name;
    return Found;
}

// A menu item with Caption, owned by Owner, added last to Parent (left loose without one).
TMenuItem* NewMenuItem(TComponent* Owner, TMenuItem* Parent, const std::string& Caption);
