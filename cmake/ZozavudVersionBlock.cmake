# The editor's version block, generated at build time: on Windows a VERSIONINFO resource
# (with the program's icon), elsewhere linked into executables as the ELF section the
# version reader looks for.
#
# zozavud_embed_version_block(TARGETS t...) links the block into each target; a target
# that a later directory defines gets it once the whole tree has been read.

set(ZOZAVUD_VERSION_COMPANY "ORVANEX")
set(ZOZAVUD_VERSION_DESCRIPTION "ORVANEX QD-N800 Series LCD Editor")
set(ZOZAVUD_PRODUCT_VERSION "1.0.1.0")

# The string values, in the resource's order. Empty values are present keys; PrivateBuild
# and SpecialBuild are left out on purpose.
set(ZOZAVUD_VERSION_STRINGS
  "CompanyName=${ZOZAVUD_VERSION_COMPANY}"
  "FileDescription=${ZOZAVUD_VERSION_DESCRIPTION}"
  "FileVersion=${PROJECT_VERSION}"
  "InternalName=ZozAvud"
  "LegalCopyright=Copyright (C) ${ZOZAVUD_VERSION_COMPANY}"
  "LegalTrademarks="
  "OriginalFilename="
  "ProductName="
  "ProductVersion=${ZOZAVUD_PRODUCT_VERSION}"
  "Comments=")

# Writes the resource script of the version block and the icon; returns its path in `out`.
function(zozavud_write_version_resource out)
  string(REPLACE "." "," file_version "${PROJECT_VERSION}")
  set(values "")
  foreach(entry IN LISTS ZOZAVUD_VERSION_STRINGS)
    string(FIND "${entry}" "=" at)
    string(SUBSTRING "${entry}" 0 ${at} key)
    math(EXPR after "${at} + 1")
    string(SUBSTRING "${entry}" ${after} -1 value)
    string(APPEND values "      VALUE \"${key}\", \"${value}\\0\"\n")
  endforeach()
  set(rc ${CMAKE_BINARY_DIR}/generated/VersionBlock.rc)
  # Written beside and copied only when it changed, so that configuring again rebuilds nothing.
  file(WRITE ${rc}.new "#include <windows.h>
1 ICON \"${PROJECT_SOURCE_DIR}/app/zozavud.ico\"
1 VERSIONINFO
FILEVERSION ${file_version}
PRODUCTVERSION ${file_version}
FILEFLAGSMASK 0x3F
FILEFLAGS 0
FILEOS VOS_NT_WINDOWS32
FILETYPE VFT_APP
FILESUBTYPE 0
BEGIN
  BLOCK \"StringFileInfo\"
  BEGIN
    BLOCK \"040904E4\"
    BEGIN
${values}    END
  END
  BLOCK \"VarFileInfo\"
  BEGIN
    VALUE \"Translation\", 0x0409, 0x04E4
  END
END
")
  file(COPY_FILE ${rc}.new ${rc} ONLY_IF_DIFFERENT)
  set(${out} ${rc} PARENT_SCOPE)
endfunction()

function(zozavud_add_version_block_library)
  if(TARGET zozavud_version_block)
    return()
  endif()
  if(WIN32)
    zozavud_write_version_resource(rc)
    add_library(zozavud_version_block OBJECT ${rc})
    return()
  endif()
  add_executable(zozavud_make_version_block ${PROJECT_SOURCE_DIR}/cmake/MakeVersionBlock.cpp)
  target_include_directories(zozavud_make_version_block PRIVATE ${PROJECT_SOURCE_DIR}/version)
  set_target_properties(zozavud_make_version_block PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

  set(source ${CMAKE_BINARY_DIR}/generated/VersionBlock.cpp)
  add_custom_command(
    OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND zozavud_make_version_block ${source}
      ${PROJECT_VERSION} ${PROJECT_VERSION} 0409 04E4 ${ZOZAVUD_VERSION_STRINGS}
    DEPENDS zozavud_make_version_block ${PROJECT_SOURCE_DIR}/cmake/ZozavudVersionBlock.cmake
    COMMENT "Generating the version block"
    VERBATIM)
  add_library(zozavud_version_block OBJECT ${source})
endfunction()

function(zozavud_embed_version_block)
  cmake_parse_arguments(ARG "" "" "TARGETS" ${ARGN})
  zozavud_add_version_block_library()
  foreach(target IN LISTS ARG_TARGETS)
    if(TARGET ${target})
      target_link_libraries(${target} PRIVATE zozavud_version_block)
    else()
      # Deferred arguments are expanded late, so the name is baked in now.
      cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]]
        CALL target_link_libraries [[${target}]] PRIVATE zozavud_version_block)")
    endif()
  endforeach()
endfunction()
