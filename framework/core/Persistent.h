// TPersistent: an object that can copy another's state (Assign) and whose published properties can be
// stored in window descriptions: components, fonts, pictures, string lists, collections.
#pragma once

#include "framework/core/Object.h"

#include <string>

class TPersistent : public TObject {
    VSK_CLASS(TPersistent, TObject)

public:
    // Copies Source into this object. The default asks Source.AssignTo(*this), so either side may know how
    // to copy; when neither does, EConvertError "Cannot assign a TX to a TY" is raised.
    virtual void Assign(const TPersistent& Source);
    // The object this one belongs to (a font's control, an item's collection); null for free objects.
    virtual TPersistent* GetOwner() const { return nullptr; }
    // Where the object lives, for messages: "fmMain.btnAdd", "fmMain.sfMain.TitleBarButtons.TCollectionItem".
    virtual std::string GetNamePath() const;

protected:
    virtual void AssignTo(TPersistent& Dest) const;
};
