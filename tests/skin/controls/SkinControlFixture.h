// The ground of the skinned control tests: a form on the screen to put controls on.
#pragma once

#include "framework/win/forms/Form.h"

#include <gtest/gtest.h>

#include <memory>

class SkinControlFixture : public ::testing::Test {
protected:
    SkinControlFixture();
    ~SkinControlFixture() override;

    // A control of the form at (Left, Top), with its own size.
    template<class T>
    T* Make(int Left, int Top) {
        auto* Control = new T(Form.get());
        Control->SetParent(Form.get());
        Control->SetLeft(Left);
        Control->SetTop(Top);
        return Control;
    }

    std::unique_ptr<TForm> Form;
};
