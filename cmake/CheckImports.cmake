# Fails when a program of the Windows tree would load a library outside the set the program may use at run
# time: the system's user32, gdi32, kernel32, shell32, comctl32 and comdlg32, and the C runtime (msvcrt) that
# mingw-w64's standard library sits on. Everything else (a theme library, a second C runtime, a DLL of the
# toolchain's) would be missing on some machine or change the program's look.
#
#   cmake -DOBJDUMP=<objdump> -DFOLDER=<build tree> -DREQUIRED="vantrel.exe;skin_tests.exe" -P CheckImports.cmake
#
# Every .exe below FOLDER is read (CMake's own probes excepted); each name in REQUIRED must be among them, so
# that the check never passes by finding nothing.
cmake_minimum_required(VERSION 3.25)

set(ALLOWED user32.dll gdi32.dll kernel32.dll shell32.dll comctl32.dll comdlg32.dll msvcrt.dll)

file(GLOB_RECURSE PROGRAMS "${FOLDER}/*.exe")
list(FILTER PROGRAMS EXCLUDE REGEX "/CMakeFiles/")
set(FOUND_NAMES "")
foreach(PROGRAM IN LISTS PROGRAMS)
    get_filename_component(NAME "${PROGRAM}" NAME)
    list(APPEND FOUND_NAMES "${NAME}")
endforeach()
foreach(NAME IN LISTS REQUIRED)
    if(NOT NAME IN_LIST FOUND_NAMES)
        message(FATAL_ERROR "${NAME} is not built below ${FOLDER}")
    endif()
endforeach()

set(FAULTS "")
foreach(PROGRAM IN LISTS PROGRAMS)
    execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE DUMP RESULT_VARIABLE STATUS)
    if(NOT STATUS EQUAL 0)
        message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" LINES "${DUMP}")
    foreach(LINE IN LISTS LINES)
        string(REGEX REPLACE "DLL Name: " "" DLL "${LINE}")
        string(STRIP "${DLL}" DLL)
        string(TOLOWER "${DLL}" DLL)
        if(NOT DLL IN_LIST ALLOWED)
            string(APPEND FAULTS "\n  ${PROGRAM} imports ${DLL}")
        endif()
    endforeach()
endforeach()
list(LENGTH PROGRAMS COUNT)
if(FAULTS)
    message(FATAL_ERROR "libraries outside the allowed set:${FAULTS}")
endif()
message(STATUS "${COUNT} programs import only ${ALLOWED}")
