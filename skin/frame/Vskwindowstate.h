// How the skinned frame minimises and maximises the form it sits on; shared by the caption buttons, the
// title bar's system menu and the skinned form.
#pragma once

#include "framework/win/graphics/Geometry.h"

class TCustomForm;

// A maximized skinned window covers the work area but its last row, so that an auto-hiding task bar can
// still be reached at the screen's edge.
TRect VskMaximizedBounds();

// The application's main form minimises the whole application (WM_SYSCOMMAND SC_MINIMIZE); any other form
// is minimised alone.
void VskMinimizeForm(TCustomForm& Form);
