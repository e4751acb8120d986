# Build-time documents made from the built programs, their installation, and
# the Debian package (cpack -G DEB in the build directory).

# talixcli(1), from the command tree of the plug-ins built beside talixcli.
set(TALIX_MANPAGE ${CMAKE_BINARY_DIR}/talixcli.1)
add_custom_command(OUTPUT ${TALIX_MANPAGE}
  COMMAND talixcli-manpage ${TALIX_PLUGIN_DIR} ${TALIX_MANPAGE}
  DEPENDS talixcli-manpage network talix_uplinks talix_patterns
  COMMENT "Writing the talixcli(1) manual page"
  VERBATIM)
add_custom_target(manpage ALL DEPENDS ${TALIX_MANPAGE})

# The completion script of each shell, as talixcli prints it (talixcli loads
# the plug-ins built beside it when it starts, so they are built first).
set(TALIX_COMPLETION_DIR ${CMAKE_BINARY_DIR}/completion)
set(TALIX_COMPLETION_FILES)
foreach(shell bash zsh fish)
  set(script ${TALIX_COMPLETION_DIR}/talixcli.${shell})
  add_custom_command(OUTPUT ${script}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TALIX_COMPLETION_DIR}
    COMMAND ${CMAKE_COMMAND} -E env TALIXCLI_PLUGIN_DIR=${TALIX_PLUGIN_DIR}
            $<TARGET_FILE:talixcli> --completion ${shell} > ${script}
    DEPENDS talixcli network talix_uplinks talix_patterns
    COMMENT "Writing the ${shell} completion script")
  list(APPEND TALIX_COMPLETION_FILES ${script})
endforeach()
add_custom_target(completion_scripts ALL DEPENDS ${TALIX_COMPLETION_FILES})

install(FILES ${TALIX_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TALIX_COMPLETION_DIR}/talixcli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME talixcli)
install(FILES ${TALIX_COMPLETION_DIR}/talixcli.zsh
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions RENAME _talixcli)
install(FILES ${TALIX_COMPLETION_DIR}/talixcli.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talixcli)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "talixcli developers <talixcli@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Command-line shell of a Talix hypervisor host, with its network plug-in")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
# Debug information stays in the build tree: the package is for running.
set(CPACK_STRIP_FILES ON)
# Dependencies from the libraries the binaries link (among them RE2, which the
# framework's pattern matcher links, and Boost.Regex, which the uplink splitter
# links, and libmnl, which the Linux host's plug-in links); the package's own
# libraries are found beside them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${CMAKE_BINARY_DIR}/lib ${TALIX_PLUGIN_DIR} ${TALIX_PLUGIN_DIR}/linux)
include(CPack)
