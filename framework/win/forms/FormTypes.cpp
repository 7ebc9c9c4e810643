#include "framework/win/forms/FormTypes.h"

#include "framework/core/PropInfo.h"

const TEnumInfo TBorderIconInfo{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumInfo TWindowStateInfo{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
const TEnumInfo TPositionInfo{"TPosition", {"poDesigned", "poScreenCenter", "poDesktopCenter", "poMainFormCenter"}};
const TEnumInfo TFormStyleInfo{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
