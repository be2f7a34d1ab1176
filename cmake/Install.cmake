# Installing Lomi:
#   cmake --install build                    /usr/local, for every user
#   cmake --install build --prefix /usr      as a distribution package does
#   cmake --install build --prefix ~/.local  for one user
# The executable goes to bin/, what ships with it to share/lomi/ (read only),
# the menu entry, icons, file type, manual page and copyright to share/.
# Installed, the program writes only into the folders of the user who runs it
# (src/app/foldery.h), so one install serves every user of the computer.
include(GNUInstallDirs)

set(LOMI_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/lomi)

# The icon theme wants PNGs at fixed sizes; they are drawn by the same code
# as the window icon.
add_executable(lomiikona ${PROJECT_SOURCE_DIR}/tools/lomiikona/main.cpp)
target_link_libraries(lomiikona PRIVATE lomi_app)
set(LOMI_ICON_DIR ${CMAKE_BINARY_DIR}/ikony)
set(LOMI_ICONS)
foreach(n 16 32 48 64 128 256)
  set(png ${LOMI_ICON_DIR}/${n}x${n}/lomi.png)
  add_custom_command(OUTPUT ${png}
    COMMAND lomiikona ${n} ${png}
    DEPENDS lomiikona
    VERBATIM)
  list(APPEND LOMI_ICONS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps)
endforeach()

# Manual page and changelog as Debian keeps them: compressed, without a time
# stamp, so that two builds give the same bytes.
find_program(LOMI_GZIP gzip REQUIRED)
set(LOMI_MAN_GZ ${CMAKE_BINARY_DIR}/lomi.1.gz)
set(LOMI_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${LOMI_MAN_GZ}
  COMMAND ${LOMI_GZIP} -9nc ${PROJECT_SOURCE_DIR}/docs/lomi.1 > ${LOMI_MAN_GZ}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/lomi.1
  VERBATIM)
add_custom_command(OUTPUT ${LOMI_CHANGELOG_GZ}
  COMMAND ${LOMI_GZIP} -9nc ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${LOMI_CHANGELOG_GZ}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
  VERBATIM)
add_custom_target(lomiikony ALL DEPENDS ${LOMI_ICONS} ${LOMI_MAN_GZ} ${LOMI_CHANGELOG_GZ})

install(TARGETS lomi DESTINATION ${CMAKE_INSTALL_BINDIR})
# What ships with the program, without what it writes for itself while it
# runs as a portable copy (settings, saved spreads, journal files).
install(DIRECTORY ${LOMI_DIR}/ DESTINATION ${LOMI_SHARE_DIR}
  PATTERN "lomi" EXCLUDE
  PATTERN "Lomi.ini" EXCLUDE
  PATTERN "tmp.bmp" EXCLUDE
  PATTERN "*.db-*" EXCLUDE
  PATTERN "*.db.*" EXCLUDE
  PATTERN "Save" EXCLUDE)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/linux/lomi-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME lomi.xml)
install(FILES ${LOMI_MAN_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/pl/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${LOMI_CHANGELOG_GZ}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lomi)

# The menu entry names the installed executable by its full path (known only
# at install time), so that it works before ~/.local/bin is on PATH; the same
# script refreshes the desktop's caches.
install(CODE "
  set(LOMI_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(LOMI_DESKTOP_IN \"${CMAKE_CURRENT_LIST_DIR}/linux/lomi.desktop.in\")
  set(LOMI_DESKTOP_OUT \"${CMAKE_BINARY_DIR}/lomi.desktop\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallUser.cmake)

# The installed program, checked from outside: the tree, the menu entry, the
# file type and a start with a spread file as an ordinary user.
add_test(NAME instalacja
  COMMAND sh ${PROJECT_SOURCE_DIR}/tests/app/instalacja.sh ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND})
set_tests_properties(instalacja PROPERTIES TIMEOUT 180)

include(cmake/Package.cmake)
