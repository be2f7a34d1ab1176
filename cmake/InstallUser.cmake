# Install-time part of Install.cmake: runs inside `cmake --install` with
# CMAKE_INSTALL_PREFIX set to the chosen prefix.

# Menu entry. The program is named by its full path so that the entry works
# also before ~/.local/bin is on PATH (Debian adds it only at the next login).
function(lomi_desktop_string wynik tekst)
  string(REPLACE "\\" "\\\\" tekst "${tekst}")
  set(${wynik} "${tekst}" PARENT_SCOPE)
endfunction()
set(_lomi_exec "${CMAKE_INSTALL_PREFIX}/${LOMI_BINDIR}/lomi")
# Inside a quoted Exec argument these four are escaped with a backslash,
# then the value is escaped as any string; a percent sign is doubled.
string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" _lomi_exec "${_lomi_exec}")
string(REPLACE "%" "%%" _lomi_exec "${_lomi_exec}")
lomi_desktop_string(LOMI_EXEC "\"${_lomi_exec}\"")
# One file per prefix: installs into two prefixes may run at once.
string(MD5 _lomi_znak "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(_lomi_wpis "${LOMI_DESKTOP_OUT}-${_lomi_znak}")
configure_file("${LOMI_DESKTOP_IN}" "${_lomi_wpis}" @ONLY)
file(INSTALL "${_lomi_wpis}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" RENAME "lomi.desktop")

# Desktop caches, when installing for real (a package build sets DESTDIR and
# leaves this to the package's own triggers). The tools' notes (a prefix outside XDG_DATA_DIRS, say) are shown only when
# they fail.
function(lomi_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE kod OUTPUT_VARIABLE tekst ERROR_VARIABLE tekst)
  if(kod)
    message(WARNING "${ARGN}: ${tekst}")
  endif()
endfunction()
if("$ENV{DESTDIR}" STREQUAL "")
  find_program(_lomi_umd update-mime-database)
  if(_lomi_umd)
    lomi_run("${_lomi_umd}" "${CMAKE_INSTALL_PREFIX}/share/mime")
  endif()
  find_program(_lomi_udd update-desktop-database)
  if(_lomi_udd)
    lomi_run("${_lomi_udd}" -q "${CMAKE_INSTALL_PREFIX}/share/applications")
  endif()
  # A stale icon cache would hide the new icon; refresh one that exists.
  find_program(_lomi_guic gtk-update-icon-cache)
  if(_lomi_guic AND EXISTS "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/icon-theme.cache")
    lomi_run("${_lomi_guic}" -q -t "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor")
  endif()
endif()
