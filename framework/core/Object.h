// TObject, the root of the framework's classes, and the two macros that give a class its run-time class
// information (name, parent, factory, published properties):
//
//   class TMyButton : public TComponent {
//       VSK_CLASS(TMyButton, TComponent)   // first in the class body; leaves the access at private
//   public: ...
//   };
//
//   VSK_IMPLEMENT_CLASS(TMyButton)         // in the .cpp, which includes framework/core/Properties.h
//   void TMyButton::Publish(TPublisher<TMyButton>& p) { p.Int("Width", &TMyButton::Width, &TMyButton::SetWidth); }
#pragma once

#include <string>

class TClassInfo;
template<class T>
class TPublisher;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    const std::string& ClassName() const;
    bool InheritsFrom(const TClassInfo& Class) const;
};

#define VSK_CLASS(TClass, TBase)                                                                                       \
public:                                                                                                                \
    using inherited = TBase;                                                                                           \
    static const TClassInfo& StaticClassInfo();                                                                        \
    const TClassInfo& ClassInfo() const override {                                                                     \
        return StaticClassInfo();                                                                                      \
    }                                                                                                                  \
    static void Publish(TPublisher<TClass>& p);                                                                        \
                                                                                                                       \
private:

// The class information is built on first use, so registration order between libraries does not matter.
#define VSK_IMPLEMENT_CLASS(TClass)                                                                                    \
    const TClassInfo& TClass::StaticClassInfo() {                                                                      \
        static const TClassInfo& Info = BuildClassInfo<TClass>(#TClass);                                               \
        return Info;                                                                                                   \
    }
