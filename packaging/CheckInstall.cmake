# Installs the build twice, as a package build does (DESTDIR) and as a user does (--prefix, here
# one with a blank), and checks that every file is where a desktop looks for it.
file(REMOVE_RECURSE "${CHECK_DIR}")
set(failures "")
macro(fail text)
    string(APPEND failures "\n  ${text}")
endmacro()

function(install_build)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "cmake --install failed: ${result}")
    endif()
endfunction()

install_build(${CMAKE_COMMAND} -E env "DESTDIR=${CHECK_DIR}/destdir"
    ${CMAKE_COMMAND} --install "${BUILD_DIR}")
install_build(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${CHECK_DIR}/prefix with space")

# root: where the files landed; expected_exec: how the menu entry must start the launcher.
function(check_tree root expected_exec)
    foreach(program corvane-launcher corvane-cli)
        if(NOT EXISTS "${root}/${BINDIR}/${program}")
            fail("${root}/${BINDIR}/${program} is missing")
        endif()
    endforeach()
    # Both programs run and tell their version (the launcher as Qt programs do).
    execute_process(COMMAND "${root}/${BINDIR}/corvane-launcher" --version
        OUTPUT_VARIABLE launcher_version RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR NOT launcher_version STREQUAL "Corvane Launcher ${VERSION}\n")
        fail("corvane-launcher --version gave ${result}: '${launcher_version}'")
    endif()
    execute_process(COMMAND "${root}/${BINDIR}/corvane-cli" --version
        OUTPUT_VARIABLE cli_version RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR NOT cli_version STREQUAL "corvane-cli ${VERSION}\n")
        fail("corvane-cli --version gave ${result}: '${cli_version}'")
    endif()

    set(entry "${root}/${DATADIR}/applications/${APP_ID}.desktop")
    if(NOT EXISTS "${entry}")
        fail("${entry} is missing")
    else()
        file(STRINGS "${entry}" exec REGEX "^Exec=")
        if(NOT exec STREQUAL "Exec=${expected_exec} --user-data")
            fail("${entry} starts '${exec}', not '${expected_exec} --user-data'")
        endif()
        file(STRINGS "${entry}" icon REGEX "^Icon=")
        if(NOT icon STREQUAL "Icon=${APP_ID}")
            fail("${entry} names the icon '${icon}'")
        endif()
    endif()
    set(metainfo "${root}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
    if(NOT EXISTS "${metainfo}")
        fail("${metainfo} is missing")
    else()
        file(READ "${metainfo}" text)
        if(NOT text MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
           OR NOT text MATCHES "<release version=\"${VERSION}\"")
            fail("${metainfo} names another desktop entry or version")
        endif()
    endif()

    # Each icon is a PNG of its folder's size (width and height stand at bytes 16 to 23).
    foreach(side IN LISTS ICON_SIDES)
        set(icon "${root}/${DATADIR}/icons/hicolor/${side}x${side}/apps/${APP_ID}.png")
        if(NOT EXISTS "${icon}")
            fail("${icon} is missing")
            continue()
        endif()
        file(READ "${icon}" signature LIMIT 8 HEX)
        file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING "${header}" 0 8 width)
        string(SUBSTRING "${header}" 8 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL side
           OR NOT height EQUAL side)
            fail("${icon} is not a ${side}x${side} PNG (${width}x${height})")
        endif()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

if(IS_ABSOLUTE "${BINDIR}")
    message(FATAL_ERROR "this check expects the usual relative install folders")
endif()
check_tree("${CHECK_DIR}/destdir${PREFIX}" "${PREFIX}/${BINDIR}/corvane-launcher")
check_tree("${CHECK_DIR}/prefix with space"
    "\"${CHECK_DIR}/prefix with space/${BINDIR}/corvane-launcher\"")

if(failures)
    message(FATAL_ERROR "the installed files are not right:${failures}")
endif()
message(STATUS "every installed file is in place")
