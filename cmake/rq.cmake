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

# rq_apply_product_flags(target): the program's own code (libraries, the
# program, the tool) is also held to shadowing, narrowing, sign and cast
# warnings. Tests keep the common set: GoogleTest's macros expand to code
# that shadows and converts by design.
function(rq_apply_product_flags target)
    rq_apply_flags(${target})
    target_compile_options(${target} PRIVATE -Wshadow -Wconversion -Wsign-conversion
                                             -Wold-style-cast)
endfunction()

# rq_publish_headers(name dir out): the library publishes only its own
# folder's headers, through a folder of links in the build tree that keeps
# their include paths ("report/model/report.h"). A dependant sees the headers
# of the libraries it links and of theirs, and nothing else, so an include
# against the layers fails to compile instead of linking by accident.
function(rq_publish_headers name dir out)
    set(view ${CMAKE_BINARY_DIR}/layers/${name})
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/${dir})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    file(REMOVE_RECURSE ${view})
    file(MAKE_DIRECTORY ${view}/${rel})
    foreach(header ${headers})
        get_filename_component(file_name ${header} NAME)
        file(CREATE_LINK ${header} ${view}/${rel}/${file_name} SYMBOLIC)
    endforeach()
    set(${out} ${view} PARENT_SCOPE)
endfunction()

# rq_add_library(name dir deps...): a static library of dir/*.cpp (and its
# Qt headers for moc); a folder without sources yet gives an interface library
# so that dependants can already name it.
function(rq_add_library name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp
         ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    rq_publish_headers(${name} ${dir} view)
    if(sources)
        add_library(${name} STATIC ${sources} ${headers})
        target_include_directories(${name} PUBLIC ${view})
        target_link_libraries(${name} PUBLIC ${ARGN})
        rq_apply_product_flags(${name})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${view})
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

# rq_embed_resource(target input header function): the bytes of a source file
# (the script grammar, the certificate template) become a function returning
# them, generated at build time so that the file under src/ is the only copy.
function(rq_embed_resource target input header function)
    get_filename_component(stem ${input} NAME_WE)
    set(output ${CMAKE_BINARY_DIR}/generated/${target}/${stem}_data.cpp)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/${target}
        COMMAND rq-embed-resource ${CMAKE_SOURCE_DIR}/${input} ${output} ${header} ${function}
        DEPENDS rq-embed-resource ${CMAKE_SOURCE_DIR}/${input}
        COMMENT "Embedding ${input}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
    set_source_files_properties(${output} PROPERTIES SKIP_AUTOMOC ON)
endfunction()
