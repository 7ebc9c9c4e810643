# The controls over the system's common controls, the menus and the file dialog (part of vantrel_win).
target_sources(vantrel_win PRIVATE
    CommonControlsInit.cpp
    SystemControl.cpp
    # Text
    Memo.cpp
    MemoStrings.cpp
    # Lists
    CheckListBox.cpp
    CheckListStrings.cpp
    ListColumns.cpp
    ListItems.cpp
    ListView.cpp
    # Buttons and bars
    Button.cpp
    StatusBar.cpp
    StatusPanels.cpp
    ToolBar.cpp
    ToolButton.cpp
    # Menus
    MainMenu.cpp
    Menu.cpp
    MenuCommands.cpp
    MenuItem.cpp
    PopupMenu.cpp
    ShortCuts.cpp
    # Dialogs
    OpenDialog.cpp
    # Registration of the component classes
    CommonControlClasses.cpp
)
target_link_libraries(vantrel_win PUBLIC comdlg32)
