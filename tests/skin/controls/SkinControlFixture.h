// The ground of the skinned control tests: a form on the screen to put controls on, and real input for them:
// mouse messages at client points (with the pointer moved there too, so that the system's own idea of where
// it is agrees), and keys typed through the application's message loop.
#pragma once

#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>

class TWinControl;

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

void MouseMove(TWinControl& Control, int X, int Y);
void MouseDown(TWinControl& Control, int X, int Y);
void MouseUp(TWinControl& Control, int X, int Y);
// A key typed into the focused window (down and up), through the message loop.
void TypeKey(WORD Key);

// What the control paints now, on a fuchsia background.
std::unique_ptr<TBitmap> Painted(TWinControl& Control);
