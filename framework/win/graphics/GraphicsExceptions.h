// Exceptions raised by the graphics classes.
#pragma once

#include "framework/core/Exceptions.h"
#include "framework/core/InvalidGraphic.h"

#include <string>

// An operation does not apply to this kind of graphic.
VSK_DECLARE_EXCEPTION(EInvalidGraphicOperation, EInvalidGraphic)

// GDI could not create an object (out of memory, or the process's handle quota is used up).
class EOutOfResources : public Exception {
public:
    EOutOfResources() : Exception("Out of system resources") {}
};

// A named bitmap or icon resource is not in the module. Name may be MAKEINTRESOURCE(id): "Resource #7 not found".
class EResNotFound : public Exception {
public:
    explicit EResNotFound(const char* Name);
};
