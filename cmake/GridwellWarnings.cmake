# Strict warnings for the project's own targets only; Qt's headers come in as
# system headers through their imported targets.
function(gridwell_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(GRIDWELL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A shared library of ours: hidden symbols, an export macro defined while it
# is being built, public headers installed flat.
function(gridwell_library target)
  cmake_parse_arguments(ARG "" "EXPORT_MACRO_DEFINE" "SOURCES;PUBLIC_HEADERS;LINKS" ${ARGN})
  add_library(${target} SHARED ${ARG_SOURCES} ${ARG_PUBLIC_HEADERS})
  gridwell_warnings(${target})
  target_compile_definitions(${target} PRIVATE ${ARG_EXPORT_MACRO_DEFINE}
    QT_NO_CAST_TO_ASCII)
  target_link_libraries(${target} ${ARG_LINKS})
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    PUBLIC_HEADER "${ARG_PUBLIC_HEADERS}")
  # The versioned library goes to the runtime package, the unversioned link
  # and the headers to the development package.
  install(TARGETS ${target} EXPORT DuctbookTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT libs NAMELINK_COMPONENT dev
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT libs
    PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ductbook COMPONENT dev
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ductbook)
endfunction()
