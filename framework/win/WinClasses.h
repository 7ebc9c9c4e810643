// Registers the component classes of framework/win with the class registry, so window descriptions can name
// them. Call once at start-up, before the first description is read.
#pragma once

void RegisterWinClasses();
