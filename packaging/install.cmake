# Desktop integration: the menu entry, the icon and the case file type, laid
# out under the install prefix the freedesktop way (share/applications,
# share/icons/hicolor, share/mime/packages). Installing to /usr or /usr/local
# and running update-mime-database and update-desktop-database afterwards
# (the README says how) lets the file manager open a .wm4 case in the program.
install(FILES "${CMAKE_CURRENT_LIST_DIR}/wendmoor4.desktop" DESTINATION share/applications)
install(FILES "${PROJECT_SOURCE_DIR}/data/wendmoor4.svg"
        DESTINATION share/icons/hicolor/scalable/apps)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/wendmoor4-mime.xml"
        DESTINATION share/mime/packages RENAME wendmoor4.xml)

# The software centre's entry (AppStream), with the version of project() and
# the day it was configured (SOURCE_DATE_EPOCH's when set) as its release.
string(TIMESTAMP WM4_RELEASE_DATE "%Y-%m-%d" UTC)
set(WM4_METAINFO "${PROJECT_BINARY_DIR}/packaging/com.quillonvale.wendmoor4.metainfo.xml")
configure_file("${CMAKE_CURRENT_LIST_DIR}/com.quillonvale.wendmoor4.metainfo.xml"
               "${WM4_METAINFO}" @ONLY)
install(FILES "${WM4_METAINFO}" DESTINATION share/metainfo)

# A sample estate to try the program on (the rich sample the tests use).
install(FILES "${PROJECT_SOURCE_DIR}/tests/fixtures/rich_sample.wm4"
        DESTINATION share/doc/wendmoor4/examples RENAME sample.wm4)

# The manual page, its SYNOPSIS from the built program's --help. The
# sanitizer and fuzz builds run no program at build time.
if(NOT WM4_SANITIZE AND NOT WM4_FUZZ)
  set(WM4_MAN_PAGE "${PROJECT_BINARY_DIR}/packaging/wendmoor4.1")
  add_custom_command(
    OUTPUT "${WM4_MAN_PAGE}"
    COMMAND "${CMAKE_COMMAND}" "-DPROGRAM=$<TARGET_FILE:wendmoor4>"
            "-DTEMPLATE=${CMAKE_CURRENT_LIST_DIR}/wendmoor4.1.in" "-DOUTPUT=${WM4_MAN_PAGE}"
            "-DVERSION=${PROJECT_VERSION}" -P "${CMAKE_CURRENT_LIST_DIR}/man_page.cmake"
    DEPENDS wendmoor4 "${CMAKE_CURRENT_LIST_DIR}/wendmoor4.1.in"
            "${CMAKE_CURRENT_LIST_DIR}/man_page.cmake"
    COMMENT "Manual page wendmoor4.1"
    VERBATIM)
  add_custom_target(man_page ALL DEPENDS "${WM4_MAN_PAGE}")
  install(FILES "${WM4_MAN_PAGE}" DESTINATION share/man/man1)
endif()

# cmake --build build --target deb: the Debian package wendmoor4_VERSION_ARCH.deb
# in the build folder (scripts/package.sh), from what the build made.
add_custom_target(deb
  COMMAND bash "${PROJECT_SOURCE_DIR}/scripts/package.sh" "${PROJECT_BINARY_DIR}"
  COMMENT "Debian package"
  VERBATIM USES_TERMINAL)
add_dependencies(deb wendmoor4)
foreach(part man_page manual)
  if(TARGET ${part})
    add_dependencies(deb ${part})
  endif()
endforeach()
