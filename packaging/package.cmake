# The Debian package: `cpack -G DEB` in a build writes
# korvalin_<version>_<arch>.deb from the same install rules as
# `cmake --install`, together with the manual page and the licence and
# changelog every Debian package carries.
set(packaging_source ${CMAKE_CURRENT_LIST_DIR})
set(packaging_build ${CMAKE_BINARY_DIR}/packaging)

# Debian keeps manual pages and changelogs compressed with gzip -9n: without
# a name or timestamp inside, a rebuild gives the same bytes.
set(compressed_files)
foreach(document korvalin.6 changelog)
    set(compressed ${packaging_build}/${document}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E copy ${packaging_source}/${document}
                ${packaging_build}/${document}
        COMMAND gzip -9nf ${packaging_build}/${document}
        DEPENDS ${packaging_source}/${document}
        VERBATIM)
    list(APPEND compressed_files ${compressed})
endforeach()
add_custom_target(packaging_documents ALL DEPENDS ${compressed_files})

install(FILES ${packaging_build}/korvalin.6.gz DESTINATION share/man/man6)
install(FILES ${packaging_build}/changelog.gz ${packaging_source}/copyright
        DESTINATION share/doc/korvalin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvalin)
set(CPACK_PACKAGE_VENDOR "The Korvalin developers")
set(CPACK_PACKAGE_CONTACT "The Korvalin developers <developers@korvalin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hitchhiking game from Kanazawa to London across Eurasia")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${packaging_source}/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's libraries only recommend the X11 plugin the windows need, and the
# library list cannot know that every text wants a Japanese font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
# Qt's own dialogs (printing) speak the language of play with it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
