#include "framework/win/windowing/SizeConstraints.h"

#include "framework/core/Properties.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TSizeConstraints)

void TSizeConstraints::Publish(TPublisher<TSizeConstraints>& p) {
    p.Int("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
    p.Int("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
    p.Int("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
    p.Int("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

namespace {
int Limit(int Value, int Min, int Max) {
    if (Max > 0) Value = std::min(Value, Max);
    return std::max(Value, Min);
}
} // namespace

SIZE TSizeLimits::Apply(SIZE Size) const {
    return {Limit(Size.cx, MinWidth, MaxWidth), Limit(Size.cy, MinHeight, MaxHeight)};
}

void TSizeConstraints::Change(int& Field, int Value) {
    Value = std::max(Value, 0);
    if (Field == Value) return;
    Field = Value;
    OnChange(this);
}

void TSizeConstraints::Assign(const TPersistent& Source) {
    if (auto* Other = dynamic_cast<const TSizeConstraints*>(&Source)) {
        FLimits = Other->FLimits;
        OnChange(this);
        return;
    }
    inherited::Assign(Source);
}
