# Compiles the manual into one help file, at build time:
#   cmake -DSOURCE=dir -DPAGES=a.html;b.css;images/c.png -DWORK=dir -DHTML=dir
#         -DOUTPUT=zozavud.chm -DCHMCMD=chmcmd -P BuildHelpFile.cmake
# SOURCE holds the pages and the contents (zozavud.hhc) and index (zozavud.hhk). The
# pages are also copied to HTML, whole, so that no page of an older build lingers there.
# The titles of the contents and index are escaped on the way (HelpSitemap.cmake).

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/HelpSitemap.cmake)

foreach(dir ${WORK} ${HTML})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
endforeach()

set(project_file "[OPTIONS]\n")
string(APPEND project_file
  "Compiled file=zozavud.chm\n"
  "Contents file=zozavud.hhc\n"
  "Index file=zozavud.hhk\n"
  "Default topic=index.html\n"
  "Title=ORVANEX QD-N800 Series LCD Editor\n"
  "Language=0x409 English (United States)\n"
  "Full-text search=Yes\n\n[FILES]\n")
foreach(page ${PAGES})
  get_filename_component(folder ${page} DIRECTORY)
  file(COPY ${SOURCE}/${page} DESTINATION ${WORK}/${folder})
  file(COPY ${SOURCE}/${page} DESTINATION ${HTML}/${folder})
  string(APPEND project_file "${page}\n")
endforeach()
foreach(sitemap zozavud.hhc zozavud.hhk)
  file(READ ${SOURCE}/${sitemap} text)
  sitemap_walk("${text}" escaped titles)
  file(WRITE ${WORK}/${sitemap} "${escaped}")
endforeach()
file(WRITE ${WORK}/zozavud.hhp "${project_file}")

execute_process(COMMAND ${CHMCMD} zozavud.hhp WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS ${WORK}/zozavud.chm)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "chmcmd could not compile the manual:\n${log}")
endif()
# Written beside the target and renamed, so a failed build leaves no half file.
file(COPY_FILE ${WORK}/zozavud.chm ${OUTPUT}.part)
file(RENAME ${OUTPUT}.part ${OUTPUT})
