# Run by CPack after the package is built: unpacks it and checks the installed tree and
# the declared dependencies, so a package that lost its version block or fonts fails here.

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(root ${CPACK_TOPLEVEL_DIRECTORY}/package-check)
  file(REMOVE_RECURSE ${root})
  execute_process(COMMAND dpkg-deb -x ${package} ${root} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${package}: cannot be unpacked")
  endif()
  execute_process(COMMAND ${CPACK_ZOZAVUD_CHECK_SCRIPT} ${root}/usr ${CPACK_ZOZAVUD_FILE_VERSION}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${package}: the installed tree fails its checks")
  endif()
  execute_process(COMMAND dpkg-deb -f ${package} Depends OUTPUT_VARIABLE depends
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  foreach(needed libqt6widgets6 libcups2 libicu fonts-wine fonts-liberation2
                 fonts-ipafont-gothic fonts-wqy-microhei)
    if(NOT depends MATCHES "${needed}")
      message(FATAL_ERROR "${package}: Depends lacks ${needed}: ${depends}")
    endif()
  endforeach()
  file(REMOVE_RECURSE ${root})
  message(STATUS "${package}: checked (Depends: ${depends})")
endforeach()
