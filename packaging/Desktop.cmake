# The launcher as a desktop program: its menu entry, its icons in the hicolor theme and its
# software-centre metadata, all named by one application id, and the tests of what installs.
set(CORVANE_APP_ID io.github.corvane.Launcher)
# The day PROJECT_VERSION was released; the metadata lists it.
set(CORVANE_RELEASE_DATE 2026-12-08)

# The icons are drawn by the program's own artwork code at build time.
add_executable(corvane-render-icons packaging/render_icons.cpp)
target_link_libraries(corvane-render-icons PRIVATE corvane_ui)
set(CORVANE_ICON_SIDES 16 22 24 32 48 64 128 256)
set(icon_root ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(icon_files)
foreach(side IN LISTS CORVANE_ICON_SIDES)
    list(APPEND icon_files ${icon_root}/hicolor/${side}x${side}/apps/${CORVANE_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
    COMMAND corvane-render-icons ${icon_root} ${CORVANE_APP_ID}
    DEPENDS corvane-render-icons
    COMMENT "Drawing the application icons")
add_custom_target(corvane-icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icon_root}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

configure_file(data/${CORVANE_APP_ID}.metainfo.xml.in
    ${CMAKE_CURRENT_BINARY_DIR}/${CORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${CORVANE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The menu entry names the launcher by its full path, which only the prefix given to
# `cmake --install` decides, so the entry is written then.
install(CODE "
    set(CORVANE_APP_ID \"${CORVANE_APP_ID}\")
    set(CORVANE_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(CORVANE_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
    set(CORVANE_DESKTOP_TEMPLATE \"${CMAKE_CURRENT_SOURCE_DIR}/data/${CORVANE_APP_ID}.desktop.in\")
    set(CORVANE_DESKTOP_STAGING \"${CMAKE_CURRENT_BINARY_DIR}/desktop-entry\")
    include(\"${CMAKE_CURRENT_SOURCE_DIR}/packaging/InstallDesktopEntry.cmake\")
")

# An install into a scratch folder has every file in place; the validators of the desktop
# entry and of the metadata then read what was installed (skipped where they are missing).
set(install_check ${CMAKE_CURRENT_BINARY_DIR}/install-check)
add_test(NAME InstallPutsEveryFileInPlace
    COMMAND ${CMAKE_COMMAND}
        -DBUILD_DIR=${CMAKE_CURRENT_BINARY_DIR} -DCHECK_DIR=${install_check}
        -DPREFIX=${CMAKE_INSTALL_PREFIX} -DBINDIR=${CMAKE_INSTALL_BINDIR}
        -DDATADIR=${CMAKE_INSTALL_DATADIR} -DAPP_ID=${CORVANE_APP_ID}
        "-DICON_SIDES=${CORVANE_ICON_SIDES}" -DVERSION=${PROJECT_VERSION}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/CheckInstall.cmake)
set_tests_properties(InstallPutsEveryFileInPlace PROPERTIES FIXTURES_SETUP corvane_installed
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
add_test(NAME DesktopEntryIsValid
    COMMAND ${CMAKE_COMMAND} -DTOOL=desktop-file-validate
        "-DARGUMENTS=${install_check}/destdir${CMAKE_INSTALL_FULL_DATADIR}/applications/${CORVANE_APP_ID}.desktop;${install_check}/prefix with space/${CMAKE_INSTALL_DATADIR}/applications/${CORVANE_APP_ID}.desktop"
        -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/RunValidator.cmake)
add_test(NAME MetainfoIsValid
    COMMAND ${CMAKE_COMMAND} -DTOOL=appstreamcli
        "-DARGUMENTS=validate-tree;--no-net;${install_check}/destdir${CMAKE_INSTALL_PREFIX}"
        -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/RunValidator.cmake)
set_tests_properties(DesktopEntryIsValid MetainfoIsValid PROPERTIES
    FIXTURES_REQUIRED corvane_installed SKIP_REGULAR_EXPRESSION "is not installed: skipped")
