# The Debian package, from the build folder:
#   cmake --build build --target package    ->  build/lomi_1.0-1_amd64.deb
# CPack lays it out with the same install rules as `cmake --install --prefix
# /usr`, so the package and a hand install cannot drift apart; its library
# dependencies come from the binary through dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lomi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lomi")
set(CPACK_PACKAGE_CONTACT "Zespół Lomi <lomi@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stawianie i odczytywanie rozkładów run")
set(CPACK_PACKAGE_DESCRIPTION
"Lomi rozkłada karty z runami starszego futharku w jednym z szesnastu
rozkładów, objaśnia znaczenie każdej karty na jej pozycji, pokazuje kartę
w powiększeniu, zapisuje rozkłady do plików .rzk, eksportuje je do pliku
tekstowego i drukuje. Interfejs programu jest w języku polskim.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the card store's SQL
# driver, Qt's own dialogs in Polish, the fonts the printout is set in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)

# Builds the package from this build folder, unpacks it and runs it as an
# unprivileged user (tests/app/pakiet.sh).
# (Not under the sanitizers: their runtime would become a dependency.)
if(NOT LOMI_SANITIZE)
add_test(NAME pakiet
  COMMAND sh ${PROJECT_SOURCE_DIR}/tests/app/pakiet.sh ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND})
set_tests_properties(pakiet PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77)
endif()
