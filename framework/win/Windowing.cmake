# The windowing half of vantrel_win: messages, controls, forms, the application object, the screen and timers.
target_sources(vantrel_win PRIVATE
    # Messages and windows
    Messages.cpp
    WindowClasses.cpp
    WindowHandle.cpp
    UtilityWindow.cpp
    MouseHover.cpp
    SystemTimer.cpp
    # Controls
    Accelerators.cpp
    Alignment.cpp
    Bevels.cpp
    Control.cpp
    ControlCanvas.cpp
    ControlTypes.cpp
    CustomControl.cpp
    GraphicControl.cpp
    Image.cpp
    Label.cpp
    Panel.cpp
    SizeConstraints.cpp
    WinControl.cpp
    # Forms and the application
    Application.cpp
    Form.cpp
    FormTypes.cpp
    MDIClient.cpp
    Screen.cpp
    Timer.cpp
    # Registration of the component classes
    WindowingClasses.cpp
)
