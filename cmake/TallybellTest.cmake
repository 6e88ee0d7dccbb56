find_package(GTest REQUIRED)

# tallybell_add_test(<name> SOURCES ... [LIBS ...] [QT] [WINDOW] [LABELS ...] [ENVIRONMENT ...]
#                    [TIMEOUT s])
#
# One executable per unit, registered as one CTest test. QT tests get a main() that creates
# a QApplication and link the windows library; WINDOW tests are QT tests that run on Qt's
# offscreen platform, so they need no display.
function(tallybell_add_test name)
    cmake_parse_arguments(T "QT;WINDOW" "TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
    if(T_QT OR T_WINDOW)
        add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
        target_link_libraries(${name} PRIVATE tallybell_ui Qt6::Test GTest::gtest)
    else()
        add_executable(${name} ${T_SOURCES})
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    target_link_libraries(${name} PRIVATE tallybell_settings tallybell_test_support
                          ${T_LIBS} GTest::gtest GTest::gmock)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set(env ${T_ENVIRONMENT})
    set(labels ${T_LABELS})
    if(T_WINDOW)
        list(APPEND env QT_QPA_PLATFORM=offscreen
             TALLYBELL_SHOT_DIR=${CMAKE_BINARY_DIR}/screenshots)
        list(APPEND labels window)
    endif()
    if(NOT labels)
        set(labels unit)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT ${T_TIMEOUT})
    if(env)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
    endif()
endfunction()
