# What the parts of desktop_parts.cmake need once the library exists, and where
# `cmake --install` puts the program for a Linux desktop.
target_link_libraries(vertanum_app PUBLIC Qt6::Multimedia)
target_include_directories(vertanum_app PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)

include(GNUInstallDirs)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vertanum.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/assets/vertanum.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${PROJECT_SOURCE_DIR}/docs/manual/index.html
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/manual)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/images
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/manual OPTIONAL)

# Draws the application icon and the splash logos that assets/ carries. Run by hand when a
# picture changes: vertanum_draw_desktop_pictures src/app/assets
add_executable(vertanum_draw_desktop_pictures tools/draw_desktop_pictures.cpp)
target_link_libraries(vertanum_draw_desktop_pictures PRIVATE Qt6::Gui vertanum_warnings)

# Draws the README pictures with the program itself:
#   QT_QPA_PLATFORM=offscreen vertanum_desktop_pictures docs/images
add_executable(vertanum_desktop_pictures tools/desktop_pictures.cpp)
target_link_libraries(vertanum_desktop_pictures PRIVATE vertanum_app vertanum_warnings)
