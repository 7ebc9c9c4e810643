#include "framework/win/graphics/GraphicsObject.h"

#include "framework/core/Properties.h"

VSK_IMPLEMENT_CLASS(TGraphicsObject)

void TGraphicsObject::Publish(TPublisher<TGraphicsObject>&) {}
