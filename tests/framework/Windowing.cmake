# Tests of controls, forms and the application object (part of framework_tests).
target_sources(framework_tests PRIVATE
    WindowingSupport.cpp
    WindowingResources.rc
    AlignmentTest.cpp
    FormDescriptionTest.cpp
    WindowProcTest.cpp
    PaintingTest.cpp
    DoubleBufferTest.cpp
    MessageSequenceTest.cpp
    KeyRoutingTest.cpp
    ApplicationTest.cpp
    WindowingStressTest.cpp
)
