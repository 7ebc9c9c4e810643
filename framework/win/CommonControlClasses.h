// Registers the controls over the system's common controls, the menus and the file dialog with the class
// registry, so that window descriptions can name them. Call once at start-up, before the first
// description is read.
#pragma once

void RegisterCommonControlClasses();
