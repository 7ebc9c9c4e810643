// The common base of the drawing tools (font, pen, brush): a persistent object that announces every change,
// so that a canvas can deselect the old GDI object and a control can repaint.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"

class TGraphicsObject : public TPersistent {
    VSK_CLASS(TGraphicsObject, TPersistent)

public:
    TGraphicsObject() = default;
    // The GDI handle each subclass caches belongs to one object only.
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;

    TNotifyEvent OnChange;

protected:
    void Changed() { OnChange(this); }
};
