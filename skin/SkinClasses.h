// The skin engine's one registration: every component class of the themes, the frame and the controls that a
// window description may name. Call once at start-up, beside the framework's own registration.
#pragma once

void RegisterSkinClasses();
