#include "skin/controls/Vskorientation.h"

const TEnumInfo TvskProgressBarOrientationInfo{"TvskProgressBarOrientation", {"vskHorizontal", "vskVertical"}};
