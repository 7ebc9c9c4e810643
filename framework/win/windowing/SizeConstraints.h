// TSizeConstraints: the smallest and largest size a control may take (0 = no limit), as the published
// "Constraints" of controls and forms. Changing a limit makes the control fit itself again.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"

#include <windows.h>

// The limits as plain numbers, for the pure layout code. 0 means no limit.
struct TSizeLimits {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;

    // Size brought within the limits; a maximum below the minimum gives way to the minimum.
    SIZE Apply(SIZE Size) const;
};

class TSizeConstraints : public TPersistent {
    VSK_CLASS(TSizeConstraints, TPersistent)

public:
    TSizeConstraints() = default;
    TSizeConstraints(const TSizeConstraints&) = delete;
    TSizeConstraints& operator=(const TSizeConstraints&) = delete;

    int MinWidth() const { return FLimits.MinWidth; }
    int MinHeight() const { return FLimits.MinHeight; }
    int MaxWidth() const { return FLimits.MaxWidth; }
    int MaxHeight() const { return FLimits.MaxHeight; }
    void SetMinWidth(int Value) { Change(FLimits.MinWidth, Value); }
    void SetMinHeight(int Value) { Change(FLimits.MinHeight, Value); }
    void SetMaxWidth(int Value) { Change(FLimits.MaxWidth, Value); }
    void SetMaxHeight(int Value) { Change(FLimits.MaxHeight, Value); }

    const TSizeLimits& Limits() const { return FLimits; }

    void Assign(const TPersistent& Source) override;

    TNotifyEvent OnChange;

private:
    void Change(int& Field, int Value);

    TSizeLimits FLimits;
};
