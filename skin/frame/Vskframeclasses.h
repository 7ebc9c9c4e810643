// Registers the skinned frame's components with the class registry, so that window descriptions can create them.
#pragma once

void RegisterSkinFrameClasses();
