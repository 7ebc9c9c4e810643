// Registers the controls, forms and the timer with the class registry, so that window descriptions can name
// them. Call once at start-up, before the first description is read.
#pragma once

void RegisterWindowingClasses();
