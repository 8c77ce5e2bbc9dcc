# Debian packages with CPack (make package): one package per deliverable.
#
#   libductbook3       the two shared libraries (libductbook.so.3, librunekit.so.3)
#                      and the default template old jobs are converted with
#   libductbook-dev    headers, the unversioned links, the CMake package, ductbook.pc
#   gridwell-tools     jobtool
#   gridwell-updater   the update program
#   gridwell           the planner, when it is built
#
# Every package carries the copyright file and the Debian changelog; the
# dependencies on system libraries come from dpkg-shlibdeps.

set(GRIDWELL_DEB_RELEASE 1)
set(GRIDWELL_DEB_VERSION ${PROJECT_VERSION}-${GRIDWELL_DEB_RELEASE})
set(GRIDWELL_PACKAGE_DIR ${PROJECT_SOURCE_DIR}/packaging)

# The packages that exist in this build, each with its component.
set(GRIDWELL_DEB_COMPONENTS libs dev tools updater)
if(TARGET gridwell)
  list(APPEND GRIDWELL_DEB_COMPONENTS planner)
endif()
set(GRIDWELL_DEB_NAME_libs libductbook3)
set(GRIDWELL_DEB_NAME_dev libductbook-dev)
set(GRIDWELL_DEB_NAME_tools gridwell-tools)
set(GRIDWELL_DEB_NAME_updater gridwell-updater)
set(GRIDWELL_DEB_NAME_planner gridwell)

# Debian wants the changelog compressed reproducibly (no name, no time).
set(gridwell_changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian.gz)
add_custom_command(OUTPUT ${gridwell_changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
  COMMAND gzip -9n -c ${GRIDWELL_PACKAGE_DIR}/debian/changelog > ${gridwell_changelog}
  DEPENDS ${GRIDWELL_PACKAGE_DIR}/debian/changelog
  VERBATIM)
add_custom_target(gridwell_changelog ALL DEPENDS ${gridwell_changelog})

foreach(component ${GRIDWELL_DEB_COMPONENTS})
  set(package ${GRIDWELL_DEB_NAME_${component}})
  install(FILES ${GRIDWELL_PACKAGE_DIR}/debian/copyright ${gridwell_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

# The pkg-config file, for hosts that do not use CMake.
configure_file(${GRIDWELL_PACKAGE_DIR}/ductbook.pc.in
  ${CMAKE_CURRENT_BINARY_DIR}/packaging/ductbook.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/ductbook.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

# Manual pages from the programs' own --help, when help2man is there.
find_program(HELP2MAN help2man)
function(gridwell_manpage target component description)
  # Instrumented builds are for testing, never packaged.
  if(NOT HELP2MAN OR GRIDWELL_SANITIZE OR GRIDWELL_FUZZ)
    return()
  endif()
  set(page ${CMAKE_CURRENT_BINARY_DIR}/packaging/${target}.1)
  add_custom_command(OUTPUT ${page}.gz
    # A help text that names the user's settings files names them from "~",
    # not from the home of whoever built the package; the page is the English
    # text whatever language the builder's session speaks.
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME --unset=LANGUAGE HOME=/gridwellhome
            LC_ALL=C.UTF-8
            QT_QPA_PLATFORM=offscreen
            ${HELP2MAN} --no-info --no-discard-stderr --version-string=${PROJECT_VERSION}
            --name=${description} --output=${page} $<TARGET_FILE:${target}>
    COMMAND sed -i "s|/gridwellhome|~|g" ${page}
    COMMAND gzip -9n -f ${page}
    DEPENDS ${target}
    VERBATIM)
  add_custom_target(${target}_manpage ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endfunction()
gridwell_manpage(jobtool tools "inspect, convert and report on Gridwell job files")
gridwell_manpage(updater updater "download a newer Gridwell installer")
if(TARGET gridwell)
  gridwell_manpage(gridwell planner "the Gridwell cabling job planner")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridwell)
set(CPACK_PACKAGE_VENDOR Korvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Gridwell maintainers <maintainers@gridwell.invalid>")
# Each package carries its own synopsis, the first line of its description
# below: a project-wide summary would be put in front of every one of them.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${GRIDWELL_DEB_COMPONENTS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${GRIDWELL_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://gridwell.invalid")
# Our own libraries are packaged separately, so dpkg-shlibdeps looks for
# them in the build tree and leaves the dependency on libductbook3 to us.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  ${PROJECT_BINARY_DIR}/ductbook ${PROJECT_BINARY_DIR}/runekit)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY "=")
set(gridwell_needs_libs "libductbook3 (= ${GRIDWELL_DEB_VERSION})")

set(CPACK_DEBIAN_LIBS_PACKAGE_NAME libductbook3)
set(CPACK_DEBIAN_LIBS_PACKAGE_SECTION libs)
# The dynamic linker's cache is refreshed through dpkg's trigger.
set(CPACK_DEBIAN_LIBS_PACKAGE_CONTROL_EXTRA ${GRIDWELL_PACKAGE_DIR}/debian/libductbook3/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_COMPONENT_LIBS_DESCRIPTION
  "Gridwell job document libraries\nThe shared libraries of Gridwell: ductbook, which holds one cabling job\nin memory, loads, converts, edits and saves job and template files, and\nrunekit, its helpers (settings store, word wrap, rounding, units).")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libductbook-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "libductbook3 (= ${GRIDWELL_DEB_VERSION}), qt6-base-dev")
set(CPACK_COMPONENT_DEV_DESCRIPTION
  "Gridwell job document libraries (development files)\nHeaders, the CMake package (find_package(Ductbook)) and the pkg-config\nfile for building a host application on ductbook and runekit.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME gridwell-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
# The PDFs (labels, the report) embed DejaVu Sans.
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "${gridwell_needs_libs}, fonts-dejavu-core")
set(CPACK_COMPONENT_TOOLS_DESCRIPTION
  "Gridwell command-line tools\njobtool inspects, creates, converts and reports on Gridwell job files:\nschedules, test reports, floor drawings and template handling.")

set(CPACK_DEBIAN_UPDATER_PACKAGE_NAME gridwell-updater)
set(CPACK_DEBIAN_UPDATER_PACKAGE_SECTION net)
set(CPACK_COMPONENT_UPDATER_DESCRIPTION
  "Gridwell software updater\nA small dialog program that asks the update server whether a newer\nGridwell installer exists and downloads it.")

set(CPACK_DEBIAN_PLANNER_PACKAGE_NAME gridwell)
set(CPACK_DEBIAN_PLANNER_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PLANNER_PACKAGE_DEPENDS ${gridwell_needs_libs})
set(CPACK_COMPONENT_PLANNER_DESCRIPTION
  "Desktop planner for structured-cabling jobs\nThe desktop planner: opens a cabling job of any version and shows its\nfloor plans, network sheets, cables, test results and traces.")

include(CPack)
