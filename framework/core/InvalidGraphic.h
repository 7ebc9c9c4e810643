// The error of picture data that cannot be read, portable so that the BMP codec can raise it wherever it is
// built; the graphics classes raise it for icons and unknown graphic classes too.
#pragma once

#include "framework/core/Exceptions.h"

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
    EInvalidGraphic() : Exception("Bitmap image is not valid") {}
};
