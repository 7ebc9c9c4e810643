// TvskScrollHost<TBase>: what the skinned list view and memo share over the platform's control they are
// (TBase): a two-line border in the style's colours drawn over the non-client edge after the platform has
// painted, and two optional skinned scroll bars (VScrollBar, HScrollBar) laid over the control's native ones
// and kept in step with them both ways.
//
//   - native to skinned (UpdateScrollBars): after every message that may have scrolled the control, the
//     native bars' state (range less the page, position, thumb length, alive or not) is copied into the
//     skinned bars. FScrolling is set meanwhile, so the skinned bars' OnChange is not echoed back;
//   - skinned to native (ScrollToBar, the one thing each control does its own way): a skinned bar's change
//     scrolls the control. FSelfScroll is set meanwhile, so the control's own scroll messages do not copy a
//     half-done state back; one copy of the native state follows, which pulls the skinned bar back where the
//     control could not follow it.
//
// The bars are siblings of the host, referenced and not owned: a destroyed bar clears its reference. A bar is
// shown while the host is, the host is thick enough to hold it and its native bar is alive (or, for a host
// that KeepsDeadBarsShown, shown without a thumb and disabled while the native bar is not).
#pragma once

#include "framework/core/FlagScope.h"
#include "framework/core/Properties.h"
#include "skin/controls/Vskscrollbar.h"
#include "skin/controls/Vsknativescroll.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemed.h"

#include <string>

// The outer line of the host's border and the band of its colour inside it.
inline constexpr int VskHostBorderWidth = 2;

template<class TBase>
class TvskScrollHost : public TvskThemed<TBase> {
public:
    using inherited = TvskThemed<TBase>;

    static const TClassInfo& StaticClassInfo() {
        static const std::string Name = "TvskScrollHost<" + TBase::StaticClassInfo().Name() + ">";
        static const TClassInfo& Info = BuildClassInfo<TvskScrollHost>(Name.c_str());
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static void Publish(TPublisher<TvskScrollHost>& p) {
        p.Color("BorderColor", &TvskScrollHost::BorderColor, &TvskScrollHost::SetBorderColor);
        p.Ref("VScrollBar", &TvskScrollHost::VScrollBar, &TvskScrollHost::SetVScrollBar);
        p.Ref("HScrollBar", &TvskScrollHost::HScrollBar, &TvskScrollHost::SetHScrollBar);
    }

    explicit TvskScrollHost(TComponent* AOwner) : inherited(AOwner) {
        this->SetControlStyle(this->ControlStyle() | TControlStyle{csOpaque});
        this->SetBorderStyle(bsNone);
        this->SetBorderWidth(VskHostBorderWidth);
    }

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) {
        FBorderColor = Value;
        this->Invalidate();
    }
    TvskScrollBar* VScrollBar() const { return FBars[vskVertical]; }
    void SetVScrollBar(TvskScrollBar* Value) { SetBar(vskVertical, Value); }
    TvskScrollBar* HScrollBar() const { return FBars[vskHorizontal]; }
    void SetHScrollBar(TvskScrollBar* Value) { SetBar(vskHorizontal, Value); }

    // Copies the native bars' state into the skinned ones.
    void UpdateScrollBars() {
        if (FSelfScroll || this->IsLoading() || !this->HandleAllocated()) return;
        const TFlagScope Scrolling(FScrolling);
        for (const TvskProgressBarOrientation Axis : {vskVertical, vskHorizontal})
            if (TvskScrollBar* Bar = FBars[Axis]) {
                CopyNativeBar(*Bar, ReadNativeBar(this->Handle(), Axis), BarShowable(Axis), KeepsDeadBarsShown());
                // The platform leaves a disabled control's bars looking alive; the skinned ones, being
                // windows of their own, would still scroll it.
                if (!this->Enabled()) Bar->SetEnabled(false);
            }
    }
    // Lays the skinned bars over the host's edges (in the parent's coordinates), then copies the native state.
    void UpdateScrollBarsPos() {
        if (this->IsLoading()) return;
        const TRect Host = this->BoundsRect();
        if (TvskScrollBar* Bar = FBars[vskVertical]) PlaceHostedBar(*Bar, Host, vskVertical, OtherBarThickness(vskVertical));
        if (TvskScrollBar* Bar = FBars[vskHorizontal])
            PlaceHostedBar(*Bar, Host, vskHorizontal, OtherBarThickness(vskHorizontal));
        UpdateScrollBars();
    }

    void Notification(TComponent* AComponent, TOperation Operation) override {
        inherited::Notification(AComponent, Operation);
        if (Operation != opRemove) return;
        for (TvskScrollBar*& Bar : FBars)
            if (Bar && AComponent == Bar) {
                Bar = nullptr;
                if (!GoingAway()) BarsChanged();
            }
    }

protected:
    // The control scrolls itself to where the skinned bar of Axis now stands.
    virtual void ScrollToBar(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) = 0;
    // A bar was just attached for Axis.
    virtual void BarAttached(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) {
        (void)Bar;
        (void)Axis;
    }
    // The set of attached bars changed.
    virtual void BarsChanged() {}
    // While its native bar is dead, a skinned bar stays shown (disabled, without a thumb) instead of hiding.
    virtual bool KeepsDeadBarsShown() const { return false; }

    // The style's border colour; the bars take the style and the file theme.
    void ApplyUIStyle(const TvskThemeSource& Theme) override {
        FBorderColor = Theme.Color(VSK_THEME_CONTROL_BORDER_COLOR);
        for (TvskScrollBar* Bar : FBars)
            if (Bar) StyleBar(*Bar);
        this->Invalidate();
    }

    void WndProc(TMessage& Message) override {
        switch (Message.Msg) {
        case WM_PAINT:
        case WM_ERASEBKGND:
        case WM_NCPAINT: WMPaintBorder(Message); break;
        case WM_LBUTTONDOWN: WMLButtonDown(Message); break;
        case WM_LBUTTONUP: WMLButtonUp(Message); break;
        case WM_MOUSEMOVE: WMMouseMove(Message); break;
        case WM_MOVE:
        case WM_SIZE: WMMoveOrSize(Message); break;
        case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
        default: WMMaybeScrolled(Message); break;
        }
    }

private:
    void SetBar(TvskProgressBarOrientation Axis, TvskScrollBar* Value) {
        TvskScrollBar*& Bar = FBars[Axis];
        if (Value == Bar) return;
        if (Bar) {
            Bar->RemoveFreeNotification(this);
            ReleaseHostedBar(*Bar);
        }
        Bar = Value;
        if (Bar) {
            Bar->FreeNotification(this);
            Bar->SetOrientation(Axis);
            if (Axis == vskVertical)
                Bar->OnChange.Bind(this, &TvskScrollHost::OnVScrollBarChange);
            else
                Bar->OnChange.Bind(this, &TvskScrollHost::OnHScrollBarChange);
            if (this->Parent() && Bar->Parent() != this->Parent()) Bar->SetParent(this->Parent());
            Bar->BringToFront();
            StyleBar(*Bar);
            BarAttached(*Bar, Axis);
        }
        BarsChanged();
        UpdateScrollBarsPos();
    }

    // The host or the form holding it is being destroyed: nothing to re-arrange any more.
    bool GoingAway() const {
        const TComponent* Owner = this->Owner();
        return this->IsDestroying() || (Owner && Owner->ComponentState().Contains(csDestroying));
    }

    // The bar cuts its pictures afresh on every apply (dozens of bitmaps): it applies once, with the file
    // theme's own apply standing in for the style's when the theme is what changed and the style is not.
    void StyleBar(TvskScrollBar& Bar) {
        const bool NewTheme = Bar.FileTheme() != this->FileTheme();
        if (NewTheme) Bar.SetFileTheme(this->FileTheme());
        if (!NewTheme || Bar.UIStyle() != this->UIStyle()) Bar.SetUIStyle(this->UIStyle());
    }

    void OnVScrollBarChange(TObject*) { BarChanged(vskVertical); }
    void OnHScrollBarChange(TObject*) { BarChanged(vskHorizontal); }
    void BarChanged(TvskProgressBarOrientation Axis) {
        if (FScrolling || !FBars[Axis] || !this->HandleAllocated()) return;
        {
            const TFlagScope Scrolling(FSelfScroll);
            ScrollToBar(*FBars[Axis], Axis);
        }
        this->Invalidate();
        UpdateScrollBars();
    }

    bool BarShowable(TvskProgressBarOrientation Axis) const {
        return this->Visible() && HostHoldsBar(this->BoundsRect(), *FBars[Axis], Axis);
    }
    // The thickness of the other bar, which the bar of Axis stops short of.
    int OtherBarThickness(TvskProgressBarOrientation Axis) const {
        const TvskScrollBar* Other = FBars[Axis == vskVertical ? vskHorizontal : vskVertical];
        if (!Other || !Other->Visible()) return 0;
        return Axis == vskVertical ? Other->Height() : Other->Width();
    }

    void WMPaintBorder(TMessage& Message) {
        inherited::WndProc(Message);
        if (!this->HandleAllocated()) return;
        DrawControlBorder(*this, FBorderColor, this->Color(), true);
        PaintBarsCorner(this->Handle(), FBars[vskVertical], FBars[vskHorizontal]);
    }
    void WMLButtonDown(TMessage& Message) {
        inherited::WndProc(Message);
        FMouseHeld = true;
        UpdateScrollBars();
    }
    void WMLButtonUp(TMessage& Message) {
        inherited::WndProc(Message);
        FMouseHeld = false;
    }
    void WMMouseMove(TMessage& Message) {
        inherited::WndProc(Message);
        if (FMouseHeld) UpdateScrollBars();
    }
    void WMMoveOrSize(TMessage& Message) {
        inherited::WndProc(Message);
        UpdateScrollBarsPos();
    }
    void CMVisibleChanged(TMessage& Message) {
        inherited::WndProc(Message);
        if (this->Visible()) {
            UpdateScrollBarsPos();
            return;
        }
        for (TvskScrollBar* Bar : FBars)
            if (Bar) Bar->Hide();
    }
    void WMMaybeScrolled(TMessage& Message) {
        inherited::WndProc(Message);
        if (MayScroll(Message.Msg)) UpdateScrollBars();
    }

    TColor FBorderColor = clBlack;
    TvskScrollBar* FBars[2] = {nullptr, nullptr}; // by TvskProgressBarOrientation
    bool FScrolling = false;
    bool FSelfScroll = false;
    // The left button went down in the control and has not come up there.
    bool FMouseHeld = false;
};
