# Project-wide build settings and the helpers that every folder uses to declare its targets.

set(MORVANE_WARNINGS -Wall -Wextra)
if(MORVANE_WERROR)
    list(APPEND MORVANE_WARNINGS -Werror)
endif()

if(MORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(MORVANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "MORVANE_FUZZ needs clang (libFuzzer)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The folder the language libraries are built into, where tests load them from.
set(MORVANE_LANGUAGE_FOLDER "${PROJECT_BINARY_DIR}/lang")

# Each layer exposes its headers as "<folder>/<Header>.h" from a folder of its own in the build
# tree, so a layer sees only the headers of the layers it links: a stray include of a higher
# layer fails to compile.
function(morvane_expose_headers target folder)
    set(include_root "${PROJECT_BINARY_DIR}/include/${target}")
    get_filename_component(parent "${include_root}/${folder}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    if(NOT EXISTS "${include_root}/${folder}")
        file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${include_root}/${folder}" SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE "${include_root}")
    else()
        target_include_directories(${target} PUBLIC "${include_root}")
        target_compile_options(${target} PRIVATE ${MORVANE_WARNINGS})
    endif()
endfunction()

# morvane_add_tests(<name> [QT] SOURCES <files...> LIBS <targets...> [RUN_UNDER <command...>])
# One GoogleTest executable per folder's tests/, every case listed in CTest. With QT the tests
# run inside a QApplication, on the offscreen platform unless QT_QPA_PLATFORM names another.
# RUN_UNDER names a command that CTest starts each case (and the listing of the cases) under.
function(morvane_add_tests name)
    if(MORVANE_FUZZ)
        return()
    endif()
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;RUN_UNDER" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_RUN_UNDER)
        set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${ARG_RUN_UNDER}")
    endif()
    target_compile_options(${name} PRIVATE ${MORVANE_WARNINGS})
    target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/testing")
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    if(ARG_QT)
        find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
        target_sources(${name} PRIVATE "${PROJECT_SOURCE_DIR}/testing/QtTestMain.cpp")
        target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::Test)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
    # Folders reach the tests through the environment, not the compile line, so that the
    # compiler cache serves every clone folder alike.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS unit ENVIRONMENT "MORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
            ENVIRONMENT_MODIFICATION "MORVANE_LANGUAGE_DIR=set:${MORVANE_LANGUAGE_FOLDER}")
endfunction()

# morvane_add_fuzzer(<name> SOURCES <files...> LIBS <targets...> CORPUS <dirs...>)
# A libFuzzer target, run by CTest for MORVANE_FUZZ_SECONDS from its fixed seed corpus.
function(morvane_add_fuzzer name)
    if(NOT MORVANE_FUZZ)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;CORPUS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE ${MORVANE_WARNINGS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set(work_corpus "${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus")
    file(MAKE_DIRECTORY "${work_corpus}")
    add_test(NAME ${name}
        COMMAND ${name} -seed=1 -max_total_time=${MORVANE_FUZZ_SECONDS} -rss_limit_mb=2048
                -timeout=10 -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${name}-
                "${work_corpus}" ${ARG_CORPUS})
    set_tests_properties(${name} PROPERTIES LABELS fuzz)
endfunction()

# morvane_add_benchmark(<name> SOURCES <files...> LIBS <targets...>)
# A Google Benchmark program; CTest runs it once, briefly, so it keeps working.
function(morvane_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    find_package(benchmark REQUIRED)
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE ${MORVANE_WARNINGS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
    add_test(NAME ${name} COMMAND ${name} --benchmark_min_time=0.01)
    set_tests_properties(${name} PROPERTIES LABELS bench)
endfunction()
