// Registers every component class of framework/win (graphics, controls, forms, menus, the timer and the file
// dialog) with the class registry, so that window descriptions can name them. Call once at start-up, before
// the first description is read; calling it again does no harm.
#pragma once

void RegisterWinComponentClasses();
