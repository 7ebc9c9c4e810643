// The value types of forms: caption buttons, window state, placement, MDI role, close actions and the
// modal results of dialogs.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Sets.h"

#include <windows.h>

#include <cstdint>

struct TEnumInfo;

enum TBorderIcon : std::uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
extern const TEnumInfo TBorderIconInfo;
inline constexpr TBorderIcons DefaultBorderIcons{biSystemMenu, biMinimize, biMaximize};

enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };
extern const TEnumInfo TWindowStateInfo;

// Where a form opens the first time it is shown: where its bounds say, or centred on the screen (the
// monitor's work area), the whole desktop, or the main form.
enum TPosition : std::uint8_t { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter };
extern const TEnumInfo TPositionInfo;

enum TFormStyle : std::uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
extern const TEnumInfo TFormStyleInfo;

// What closing a form does to it.
enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrAbort = IDABORT;
inline constexpr TModalResult mrRetry = IDRETRY;
inline constexpr TModalResult mrIgnore = IDIGNORE;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;

class TObject;
using TCloseEvent = TEvent<TObject* /*Sender*/, TCloseAction& /*Action*/>;
using TCloseQueryEvent = TEvent<TObject* /*Sender*/, bool& /*CanClose*/>;
