#include "framework/win/windowing/Alignment.h"

#include <vector>

namespace {
constexpr TAlign SideOrder[] = {alTop, alBottom, alLeft, alRight, alClient};

// Whether A goes before B in the stack of Align controls.
bool InsertBefore(const TRect& A, const TRect& B, TAlign Align) {
    switch (Align) {
    case alTop: return A.top < B.top;
    case alBottom: return A.bottom >= B.bottom;
    case alLeft: return A.left < B.left;
    case alRight: return A.right >= B.right;
    default: return false;
    }
}

// The items of one alignment kind in stacking order.
std::vector<TAlignItem*> StackOrder(std::span<TAlignItem> Items, TAlign Align, int Priority) {
    std::vector<TAlignItem*> Order;
    auto Takes = [Align](const TAlignItem& Item) { return Item.Align == Align && Item.Visible; };
    if (Priority >= 0 && static_cast<std::size_t>(Priority) < Items.size() && Takes(Items[Priority]))
        Order.push_back(&Items[Priority]);
    for (std::size_t I = 0; I < Items.size(); ++I) {
        if (static_cast<int>(I) == Priority || !Takes(Items[I])) continue;
        auto Position = Order.begin();
        while (Position != Order.end() && !InsertBefore(Items[I].Bounds, (*Position)->Bounds, Align))
            ++Position;
        Order.insert(Position, &Items[I]);
    }
    return Order;
}

// Gives one item its place against the side of Client and takes that strip away from Client.
void Position(TAlignItem& Item, TRect& Client) {
    const TAlign Align = Item.Align;
    SIZE Wanted{Client.Width(), Client.Height()};
    if (Wanted.cx < 0 || Align == alLeft || Align == alRight) Wanted.cx = Item.Bounds.Width();
    if (Wanted.cy < 0 || Align == alTop || Align == alBottom) Wanted.cy = Item.Bounds.Height();
    const SIZE Got = Item.Limits.Apply(Wanted);
    int Left = Client.left;
    int Top = Client.top;
    switch (Align) {
    case alTop: Client.top += Got.cy; break;
    case alBottom:
        Client.bottom -= Got.cy;
        Top = Client.bottom;
        break;
    case alLeft: Client.left += Got.cx; break;
    case alRight:
        Client.right -= Got.cx;
        Left = Client.right;
        break;
    default: break;
    }
    Item.Bounds = Bounds(Left, Top, Got.cx, Got.cy);
}
} // namespace

void AlignItems(std::span<TAlignItem> Items, TRect& Client, int Priority) {
    for (TAlign Align : SideOrder)
        for (TAlignItem* Item : StackOrder(Items, Align, Priority))
            Position(*Item, Client);
}

namespace {
// One axis of anchoring: the start and length of the control along it.
struct TSpan {
    int Start;
    int Length;
};

TSpan AnchorAxis(bool Near, bool Far, TSpan Original, int OldParent, int NewParent) {
    if (Near && Far) return {Original.Start, Original.Length + NewParent - OldParent};
    if (Far) return {Original.Start + NewParent - OldParent, Original.Length};
    if (Near || OldParent <= 0) return Original;
    const int Centre = ::MulDiv(Original.Start + Original.Length / 2, NewParent, OldParent);
    return {Centre - Original.Length / 2, Original.Length};
}
} // namespace

TRect AnchoredBounds(TAnchors Anchors, const TAnchorRule& Rule, SIZE ParentSize, const TSizeLimits& Limits) {
    const TRect& R = Rule.Bounds;
    const TSpan X = AnchorAxis(Anchors.Contains(akLeft), Anchors.Contains(akRight), {R.left, R.Width()},
                               Rule.ParentSize.cx, ParentSize.cx);
    const TSpan Y = AnchorAxis(Anchors.Contains(akTop), Anchors.Contains(akBottom), {R.top, R.Height()},
                               Rule.ParentSize.cy, ParentSize.cy);
    const SIZE Size = Limits.Apply({X.Length, Y.Length});
    return Bounds(X.Start, Y.Start, Size.cx, Size.cy);
}
