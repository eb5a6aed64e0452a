# Compile settings shared by every project target (not by third-party code).
add_library(tc_options INTERFACE)
target_compile_options(tc_options INTERFACE -Wall -Wextra)
if(TC_WERROR)
    target_compile_options(tc_options INTERFACE -Werror)
endif()
target_include_directories(tc_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

if(WIN32)
    # Wide-character Win32 everywhere; text crosses with code page 936 explicitly.
    target_compile_definitions(tc_options INTERFACE
        UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    # One self-contained .exe: no libgcc, libstdc++ or winpthread DLL beside it.
    target_link_options(tc_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# tc_test_program(name SOURCES ... LIBRARIES ...)
# One program per area; Windows test programs run under Wine through the
# cross-compiling emulator, where every process start costs seconds.
function(tc_test_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tc_options ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(TC_REGISTER_TESTS)
        if(WIN32)
            # The .exe tells the Wine runs apart from the native ones in the summary.
            add_test(NAME ${name}.exe COMMAND ${name} --gtest_color=no)
            set_tests_properties(${name}.exe PROPERTIES LABELS windows TIMEOUT 600)
        else()
            add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
            set_tests_properties(${name} PROPERTIES LABELS native TIMEOUT 300)
        endif()
    endif()
endfunction()
