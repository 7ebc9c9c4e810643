# Tests of controls, forms and the application object (part of framework_tests).
target_sources(framework_tests PRIVATE
    WindowingSupport.cpp
    WindowProcTest.cpp
)
