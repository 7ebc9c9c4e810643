# Tests of the controls over the system's common controls, the menus and the file dialog (part of
# framework_tests).
target_sources(framework_tests PRIVATE
    CommonControlsSupport.cpp
    ButtonTest.cpp
    CheckListBoxTest.cpp
    CommonControlsFormTest.cpp
    ListViewTest.cpp
    MemoTest.cpp
    MenuTest.cpp
    OpenDialogTest.cpp
    StatusBarTest.cpp
    ToolBarTest.cpp
)
