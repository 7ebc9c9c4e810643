// TStatusPanel / TStatusPanels: the parts of a status bar, left to right, each with its text, width,
// alignment and bevel, or drawn by the program (psOwnerDraw). The last panel reaches the right edge.
#pragma once

#include "framework/win/controls/OwnedItems.h"
#include "framework/win/windowing/ControlTypes.h"

#include <cstdint>
#include <string>

class TStatusBar;

enum TStatusPanelStyle : std::uint8_t { psText, psOwnerDraw };
extern const TEnumInfo TStatusPanelStyleInfo;
enum TStatusPanelBevel : std::uint8_t { pbNone, pbLowered, pbRaised };
extern const TEnumInfo TStatusPanelBevelInfo;

class TStatusPanel : public TCollectionItem {
    VSK_CLASS(TStatusPanel, TCollectionItem)

public:
    static constexpr int DefaultWidth = 50;

    explicit TStatusPanel(TCollection* ACollection);

    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel Value);

    std::string DisplayName() const override;

private:
    std::string FText;
    int FWidth = DefaultWidth;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelStyle FStyle = psText;
    TStatusPanelBevel FBevel = pbLowered;
};

class TStatusPanels : public TOwnedItems<TStatusPanel> {
public:
    explicit TStatusPanels(TStatusBar& StatusBar);
    TStatusBar& StatusBar() const { return FStatusBar; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TStatusBar& FStatusBar;
};
