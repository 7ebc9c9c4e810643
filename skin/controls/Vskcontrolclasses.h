// Registers the skinned controls with the class registry, so that window descriptions can create them.
#pragma once

void RegisterSkinControlClasses();
