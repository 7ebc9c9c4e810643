#include "framework/win/windowing/WindowClasses.h"

#include "framework/core/Exceptions.h"
#include "framework/win/graphics/GraphicsExceptions.h"

#include <map>
#include <string>

namespace {
// The default procedure of every class registered so far, by class name.
std::map<std::string, WNDPROC>& DefaultProcs() {
    static std::map<std::string, WNDPROC> Procs;
    return Procs;
}

WNDCLASSA BaseClass(const TCreateParams& Params, WNDPROC& DefaultProc) {
    WNDCLASSA Class{};
    if (Params.SystemClassName.empty()) {
        Class.style = Params.ClassStyle;
        Class.hCursor = ::LoadCursorA(nullptr, Params.ClassCursor);
        DefaultProc = ::DefWindowProcA;
        return Class;
    }
    if (!::GetClassInfoA(nullptr, Params.SystemClassName.c_str(), &Class) &&
        !::GetClassInfoA(ProgramInstance(), Params.SystemClassName.c_str(), &Class))
        throw EInvalidOperation("Window class " + Params.SystemClassName + " does not exist");
    DefaultProc = Class.lpfnWndProc;
    // The superclass is ours, so it must not be a global class of the system's.
    Class.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    return Class;
}
} // namespace

HINSTANCE ProgramInstance() {
    return ::GetModuleHandleA(nullptr);
}

WNDPROC RegisterControlClass(const TCreateParams& Params, WNDPROC WndProc) {
    auto Known = DefaultProcs().find(Params.WinClassName);
    if (Known != DefaultProcs().end()) return Known->second;

    WNDPROC DefaultProc = nullptr;
    WNDCLASSA Class = BaseClass(Params, DefaultProc);
    Class.lpfnWndProc = WndProc;
    Class.hInstance = ProgramInstance();
    Class.lpszClassName = Params.WinClassName.c_str();
    if (!::RegisterClassA(&Class)) throw EOutOfResources();
    DefaultProcs().emplace(Params.WinClassName, DefaultProc);
    return DefaultProc;
}
