#include "skin/themes/Vskcustomform.h"

#include "framework/core/Properties.h"

VSK_IMPLEMENT_CLASS(TvskCustomForm)

void TvskCustomForm::Publish(TPublisher<TvskCustomForm>&) {}
