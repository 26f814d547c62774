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
