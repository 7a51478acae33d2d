# Installs the build into a temporary root (DESTDIR) under prefix /usr and
# checks that the program, its desktop entry and its icon land in the
# desktop's usual places. Arguments: -DBUILD=<build dir> -DSOURCE=<source dir>
# -DSTAGE=<empty folder to install into>.
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(root ${STAGE}/usr)
if(NOT EXISTS ${root}/bin/rq0612 OR IS_DIRECTORY ${root}/bin/rq0612)
    message(FATAL_ERROR "the program is not installed as bin/rq0612")
endif()
set(entry ${root}/share/applications/rq0612.desktop)
if(NOT EXISTS ${entry})
    message(FATAL_ERROR "no desktop entry at share/applications/rq0612.desktop")
endif()
file(STRINGS ${entry} lines ENCODING UTF-8)
foreach(expected "[Desktop Entry]" "Type=Application" "Exec=rq0612" "Icon=rq0612"
        "Name=Elektronikus nyomtatvány - Ezüstliget Polgármesteri Hivatal")
    list(FIND lines "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks the line: ${expected}")
    endif()
endforeach()
set(icon ${root}/share/icons/hicolor/64x64/apps/rq0612.png)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${icon}
                        ${SOURCE}/src/app/resources/rq0612.png RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "the icon is not installed as hicolor/64x64/apps/rq0612.png")
endif()
file(REMOVE_RECURSE ${STAGE})
message(STATUS "installed: bin/rq0612, rq0612.desktop, hicolor 64x64 icon")
