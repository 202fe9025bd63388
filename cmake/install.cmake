# Installing Veltrano as a desktop program (GNUInstallDirs) and packing it for Debian (CPack).

include(GNUInstallDirs)

# The program looks for its icon bitmaps in ../share/veltrano beside its executable: installed
# that is /usr/share/veltrano, in the build folder build/share/veltrano (app/ is beside share/).
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "bin and share are not siblings: the installed program will write its icon "
                  "files into its working directory")
endif()
set(VELTRANO_DATA_DIR ${PROJECT_BINARY_DIR}/share/veltrano)
set(VELTRANO_ICONS_STAMP ${VELTRANO_DATA_DIR}/icons.stamp)
add_custom_command(OUTPUT ${VELTRANO_ICONS_STAMP}
  COMMAND veltrano-icons ${VELTRANO_DATA_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${VELTRANO_ICONS_STAMP}
  DEPENDS veltrano-icons
  COMMENT "Writing the icon bitmap files into share/veltrano")

# The manual page, with the project's version, compressed as Debian expects.
set(VELTRANO_MAN_PAGE ${PROJECT_BINARY_DIR}/share/man/man1/veltrano-cli.1)
configure_file(dist/veltrano-cli.1 ${VELTRANO_MAN_PAGE}.in @ONLY)
find_program(VELTRANO_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${VELTRANO_MAN_PAGE}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${VELTRANO_MAN_PAGE}.in ${VELTRANO_MAN_PAGE}
  COMMAND ${VELTRANO_GZIP} -9nf ${VELTRANO_MAN_PAGE}
  DEPENDS ${VELTRANO_MAN_PAGE}.in
  COMMENT "Compressing the manual page veltrano-cli.1")

add_custom_target(veltrano_data ALL DEPENDS ${VELTRANO_ICONS_STAMP} ${VELTRANO_MAN_PAGE}.gz)

set(installed veltrano-cli)
foreach(target veltrano fc28-sim)
  if(TARGET ${target})
    list(APPEND installed ${target})
  endif()
endforeach()
install(TARGETS ${installed} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${VELTRANO_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/veltrano
  FILES_MATCHING PATTERN "*.bmp")
install(FILES ${VELTRANO_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET veltrano)
  install(FILES dist/veltrano.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES dist/veltrano.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES dist/veltrano-48.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
    RENAME veltrano.png)
endif()
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/veltrano)

# The Debian package: bash scripts/package.sh. Installing builds nothing, so a package is made
# from what was built (the script builds the installed targets first).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(VELTRANO_PACKAGE_CONTACT "Morlind <veltrano@morlind.invalid>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrano)
set(CPACK_PACKAGE_VENDOR Morlind)
set(CPACK_PACKAGE_CONTACT ${VELTRANO_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "model memories of the FC-28 radio-control transmitter")
set(CPACK_PACKAGE_DESCRIPTION "Veltrano keeps the model memories of an FC-28 transmitter \
(software V3.0 to V3.2) as files, receives and sends them over a serial cable, and edits, \
compares and prints them. With veltrano-cli for scripts and the fc28-sim transmitter simulator.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
