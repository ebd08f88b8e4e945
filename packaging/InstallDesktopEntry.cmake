# Run by `cmake --install`: writes the menu entry with the launcher's installed path.
foreach(dir BINDIR DATADIR)
    if(IS_ABSOLUTE "${CORVANE_${dir}}")
        set(full_${dir} "${CORVANE_${dir}}")
    else()
        set(full_${dir} "${CMAKE_INSTALL_PREFIX}/${CORVANE_${dir}}")
    endif()
endforeach()
set(CORVANE_LAUNCHER_PATH "${full_BINDIR}/corvane-launcher")

# Exec takes a quoted argument where the path has more than plain characters; inside the quotes
# ", `, $ and \ are escaped, % is doubled, and the value's own escaping doubles every \.
set(CORVANE_LAUNCHER_EXEC "${CORVANE_LAUNCHER_PATH}")
if(NOT CORVANE_LAUNCHER_PATH MATCHES "^[A-Za-z0-9_./+-]+$")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" quoted "${CORVANE_LAUNCHER_PATH}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    string(REPLACE "%" "%%" quoted "${quoted}")
    set(CORVANE_LAUNCHER_EXEC "\"${quoted}\"")
endif()
string(REPLACE "\\" "\\\\" CORVANE_LAUNCHER_TRYEXEC "${CORVANE_LAUNCHER_PATH}")

# Installs into different prefixes must not share a staged file.
string(MD5 staging_key "$ENV{DESTDIR}${full_DATADIR}")
set(entry "${CORVANE_DESKTOP_STAGING}/${staging_key}/${CORVANE_APP_ID}.desktop")
configure_file("${CORVANE_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${full_DATADIR}/applications" TYPE FILE FILES "${entry}")
