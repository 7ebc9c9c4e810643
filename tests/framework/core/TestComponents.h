// Small component classes that exercise every kind of published property, ownership, parents and free
// notification, for the core's tests.
#pragma once

#include "framework/core/Collection.h"
#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/core/PropInfo.h"
#include "framework/core/Sets.h"
#include "framework/core/Strings.h"

#include <cstdint>
#include <string>
#include <vector>

class TStream;

enum TTestStyle : std::uint8_t { tsFlat, tsRaised, tsSunken };
extern const TEnumInfo TTestStyleInfo;
enum TTestFontStyle { tfBold, tfItalic, tfUnderline };
extern const TEnumInfo TTestFontStyleInfo;
using TTestFontStyles = TSet<TTestFontStyle>;

// A nested object owned by a widget.
class TTestFont : public TPersistent {
    VSK_CLASS(TTestFont, TPersistent)

public:
    explicit TTestFont(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}
    void Assign(const TPersistent& Source) override;
    TPersistent* GetOwner() const override { return FOwner; }

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }
    TTestFontStyles Style() const { return FStyle; }
    void SetStyle(TTestFontStyles Value) { FStyle = Value; }

private:
    TPersistent* FOwner;
    std::string FName = "Tahoma";
    int FSize = 8;
    TTestFontStyles FStyle;
};

// A nested object with binary data of its own (a picture's Data).
class TTestPicture : public TPersistent {
    VSK_CLASS(TTestPicture, TPersistent)

public:
    void Assign(const TPersistent& Source) override;

    const std::vector<std::uint8_t>& Bytes() const { return FBytes; }
    void SetBytes(std::vector<std::uint8_t> Value) { FBytes = std::move(Value); }
    void ReadData(TStream& Stream);
    void WriteData(TStream& Stream) const;
    bool HasData() const { return !FBytes.empty(); }

private:
    std::vector<std::uint8_t> FBytes;
};

class TTestWidget;

// A collection item with a nested picture and a reference to a widget.
class TTestItem : public TCollectionItem {
    VSK_CLASS(TTestItem, TCollectionItem)

public:
    explicit TTestItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
    ~TTestItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TTestStyle Kind() const { return FKind; }
    void SetKind(TTestStyle Value) { FKind = Value; }
    TTestPicture* Glyph() const { return FGlyph; }
    void SetGlyph(const TTestPicture& Value) { FGlyph->Assign(Value); }
    TTestWidget* Target() const { return FTarget; }
    void SetTarget(TTestWidget* Value) { FTarget = Value; }

private:
    std::string FCaption;
    TTestStyle FKind = tsFlat;
    TTestPicture* FGlyph = new TTestPicture;
    TTestWidget* FTarget = nullptr;
};

using TTestItems = TOwnedCollection<TTestItem>;

// A control-like component: properties of every kind, a parent, children and a reference to another
// widget kept safe through FreeNotification.
class TTestWidget : public TComponent {
    VSK_CLASS(TTestWidget, TComponent)

public:
    static constexpr int DefaultWidth = 10;

    explicit TTestWidget(TComponent* AOwner);
    ~TTestWidget() override;

    int Width() const { return FWidth; }
    void SetWidth(int Value) {
        FWidth = Value;
        Trace.push_back("Width");
    }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) {
        FCaption = Value;
        Trace.push_back("Caption");
    }
    TTestStyle Style() const { return FStyle; }
    void SetStyle(TTestStyle Value) {
        FStyle = Value;
        Trace.push_back("Style");
    }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TTestWidget* Buddy() const { return FBuddy; }
    void SetBuddy(TTestWidget* Value);
    TTestFont* Font() const { return FFont; }
    void SetFont(const TTestFont& Value) { FFont->Assign(Value); }
    TStringList* Lines() const { return FLines; }
    void SetLines(const TStrings& Value) { FLines->Assign(Value); }
    TTestItems* Items() const { return FItems; }
    void SetItems(const TTestItems& Value) { FItems->Assign(Value); }

    // Binary data streamed by the widget itself.
    const std::vector<std::uint8_t>& Data() const { return FData; }
    void SetData(std::vector<std::uint8_t> Value) { FData = std::move(Value); }
    void ReadData(TStream& Stream);
    void WriteData(TStream& Stream) const;
    bool HasData() const { return !FData.empty(); }

    TNotifyEvent OnClick;

    TComponent* Parent() const { return FParent; }
    void SetParentComponent(TComponent* Value) override {
        FParent = Value;
        Trace.push_back("Parent");
    }
    TComponent* GetParentComponent() const override { return FParent; }
    bool HasParent() const override { return FParent != nullptr; }
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

    // The setters called, in order, and whether csLoading was set from the first constructor on.
    std::vector<std::string> Trace;
    bool LoadingWhenConstructed = ComponentState().Contains(csLoading);
    int LoadedCalls = 0;
    // Set by Loaded: whether the reference was already resolved then.
    bool BuddyResolvedAtLoaded = false;
    // Records the state the widget saw while its properties were being applied.
    bool SawLoadingState = false;

private:
    int FWidth = DefaultWidth;
    bool FVisible = true;
    std::string FCaption;
    TTestStyle FStyle = tsFlat;
    TColor FColor = clBtnFace;
    TTestWidget* FBuddy = nullptr;
    TTestFont* FFont;
    TStringList* FLines = new TStringList;
    TTestItems* FItems = new TTestItems(this);
    std::vector<std::uint8_t> FData;
    TComponent* FParent = nullptr;
};

// Publishes Width again with another default and adds a property of its own.
class TTestButton : public TTestWidget {
    VSK_CLASS(TTestButton, TTestWidget)

public:
    static constexpr int DefaultButtonWidth = 75;

    explicit TTestButton(TComponent* AOwner) : TTestWidget(AOwner) { SetWidth(DefaultButtonWidth); }

    bool IsDefault() const { return FIsDefault; }
    void SetIsDefault(bool Value) { FIsDefault = Value; }

private:
    bool FIsDefault = false;
};

// The root of descriptions: offers handlers to its descriptions and lists its parentless components and
// the widgets placed directly on it.
class TTestForm : public TComponent {
    VSK_CLASS(TTestForm, TComponent)

public:
    explicit TTestForm(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    TTestWidget* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TTestWidget* Value);

    TNotifyEvent OnShow;
    TEvent<TObject*, bool&> OnCloseQuery;

    void ButtonClick(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    std::vector<TObject*> Clicks;

private:
    std::string FCaption;
    TTestWidget* FActiveControl = nullptr;
};

// Watches another component through FreeNotification and records every notification it gets.
class TTestWatcher : public TComponent {
    VSK_CLASS(TTestWatcher, TComponent)

public:
    explicit TTestWatcher(TComponent* AOwner) : TComponent(AOwner) {}

    TComponent* Watched() const { return FWatched; }
    void Watch(TComponent* Value);
    void Notification(TComponent* AComponent, TOperation Operation) override;

    struct TEntry {
        TComponent* Component;
        TOperation Operation;
        // The dying component's class as the watcher saw it: proves it was still whole.
        std::string ClassName;
    };
    std::vector<TEntry> Log;

private:
    TComponent* FWatched = nullptr;
};

// Rejects one width on purpose: a setter that raises.
class TTestPicky : public TTestWidget {
    VSK_CLASS(TTestPicky, TTestWidget)

public:
    static constexpr int RejectedWidth = 13;

    explicit TTestPicky(TComponent* AOwner) : TTestWidget(AOwner) { ++Alive; }
    void SetPickyWidth(int Value);

    // Counts the live instances, so that tests can see that a failed read destroyed them all.
    static int Alive;
    ~TTestPicky() override { --Alive; }
};

// A component whose constructor fails after TComponent's has joined the owner.
class TTestFragile : public TComponent {
    VSK_CLASS(TTestFragile, TComponent)

public:
    explicit TTestFragile(TComponent* AOwner);
};

// Registers the classes above once.
void RegisterTestClasses();
