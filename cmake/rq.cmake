# Helpers that keep every folder's build description to one line: a library is
# the .cpp files of its folder (not of subfolders, which are libraries of their
# own), a test executable is the .cpp files of the mirrored tests/ folder.

function(rq_apply_flags target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(RQ_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(RQ_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=undefined
                                                 -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# rq_add_library(name dir deps...): a static library of dir/*.cpp (and its
# Qt headers for moc); a folder without sources yet gives an interface library
# so that dependants can already name it.
function(rq_add_library name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp
         ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    if(sources)
        add_library(${name} STATIC ${sources} ${headers})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARGN})
        rq_apply_flags(${name})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
endfunction()

# rq_add_tests(name dir deps...): one GoogleTest executable per library,
# registered with CTest test by test.
function(rq_add_tests name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
    target_compile_definitions(${name} PRIVATE RQ_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
    rq_apply_flags(${name})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
