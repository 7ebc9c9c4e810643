# Compiler settings of our own targets and the helpers that declare them.

if(VANTREL_SANITIZE AND NOT WIN32)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# Warnings and platform definitions for one of our targets (not for GoogleTest).
function(vantrel_target_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(VANTREL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    if(WIN32)
        # ANSI Win32 API, Windows 7 and later.
        target_compile_definitions(${target} PUBLIC NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
    endif()
endfunction()

# vantrel_library(name SOURCES ... [LIBS ...])
function(vantrel_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    vantrel_target_options(${name})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# vantrel_test(name SOURCES ... [LIBS ...]): one GoogleTest executable, run by CTest as one test
# (through Wine in the 64-bit Windows tree; each Wine start costs time, so keep these few).
function(vantrel_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    vantrel_target_options(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    if(NOT (WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4))
        add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    endif()
endfunction()
