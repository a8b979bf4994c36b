# Installs the build into a fresh prefix and checks that every file landed
# where the program and the desktop look for it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(expected
        ${BINDIR}/korvalin
        share/korvalin/Map25.BMP
        share/applications/${APP_ID}.desktop
        share/icons/hicolor/scalable/apps/${APP_ID}.svg
        share/metainfo/${APP_ID}.metainfo.xml)
    if(NOT EXISTS ${PREFIX}/${expected})
        message(FATAL_ERROR "not installed: ${expected}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
