# Run by CPack on the staged files of the Debian package: Debian keeps the
# programs of its games section in /usr/games. From there the program still
# finds its tile sheet in ../share/korvalin, and players' PATH holds
# /usr/games, so the menu entry's plain "korvalin" starts it.
set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${staged}/games)
file(RENAME ${staged}/bin/korvalin ${staged}/games/korvalin)
file(GLOB other_programs ${staged}/bin/*)
if(NOT other_programs)
    file(REMOVE_RECURSE ${staged}/bin)
endif()
