# Installing Lomi for a Linux desktop:
#   cmake --install build --prefix ~/.local
# puts the program folder in <prefix>/lib/lomi, a launcher in <prefix>/bin,
# the menu entry, the icons and the spread-file type in <prefix>/share.
# The program writes its settings, saved spreads and imported decks into its
# own folder, so the prefix has to be one the user can write.

set(LOMI_INSTALL_DIR lib/lomi)

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
  install(FILES ${png} DESTINATION share/icons/hicolor/${n}x${n}/apps)
endforeach()
add_custom_target(lomiikony ALL DEPENDS ${LOMI_ICONS})

# The program folder as the build leaves it, without what the program writes
# for itself while running (settings, the card-icon transfer file, the user's
# saved spreads) and without the two files a user changes through the program,
# which the script below installs only where they do not exist yet.
install(TARGETS lomi DESTINATION ${LOMI_INSTALL_DIR})
install(DIRECTORY ${LOMI_DIR}/ DESTINATION ${LOMI_INSTALL_DIR}
  PATTERN "lomi" EXCLUDE
  PATTERN "Lomi.ini" EXCLUDE
  PATTERN "tmp.bmp" EXCLUDE
  PATTERN "tmptlo.bmp" EXCLUDE
  PATTERN "karty.db" EXCLUDE
  PATTERN "*.db-*" EXCLUDE
  PATTERN "Save" EXCLUDE)
install(DIRECTORY DESTINATION ${LOMI_INSTALL_DIR}/Save)

install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/linux/lomi.sh DESTINATION bin RENAME lomi)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/linux/lomi-mime.xml DESTINATION share/mime/packages RENAME lomi.xml)

# The menu entry names the installed paths, known only at install time; the
# same script keeps the user's card store and background and refreshes the
# desktop's caches.
install(CODE "
  set(LOMI_INSTALL_DIR \"${LOMI_INSTALL_DIR}\")
  set(LOMI_DIR \"${LOMI_DIR}\")
  set(LOMI_DESKTOP_IN \"${CMAKE_CURRENT_LIST_DIR}/linux/lomi.desktop.in\")
  set(LOMI_DESKTOP_OUT \"${CMAKE_BINARY_DIR}/lomi.desktop\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallUser.cmake)

# The installed program, checked from outside: the tree, the menu entry, the
# file type, the launcher and a start with a spread file.
add_test(NAME instalacja
  COMMAND sh ${PROJECT_SOURCE_DIR}/tests/app/instalacja.sh ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND})
set_tests_properties(instalacja PROPERTIES TIMEOUT 180)
