// The keyboard of skinned forms: one message hook per thread, installed with the first skinned form and
// removed with the last, that offers each key message about to be handled to the skinned form of the
// window it is for (Alt+Space opens the skinned system menu, and the shortcuts of the form's menu run,
// since the host window shows no menu bar of its own). Forms leave the registry before they are gone, so
// the hook never reaches a destroyed form.
#pragma once

#include <windows.h>

class TvskForm;

class TvskFormKeys {
public:
    static void Register(TvskForm& Form);
    static void Unregister(TvskForm& Form);
    // Whether this thread's hook is installed.
    static bool Installed();
};
