# The contents (zozavud.hhc) and index (zozavud.hhk) of the manual. In docs/manual their
# titles are written plain, one entry a line:
#   <LI><OBJECT type="text/sitemap"><param name="Name" value="What "scroll" means"><param name="Local" ...
# and the build escapes them (& " < >) in the copies it compiles.

set(SITEMAP_NAME_START "<param name=\"Name\" value=\"")
set(SITEMAP_NAME_END "\"><param name=\"Local\"")

# The text with each title escaped (out_text), and its plain titles, one a line (out_titles).
function(sitemap_walk text out_text out_titles)
  set(result "")
  set(titles "")
  string(LENGTH "${SITEMAP_NAME_START}" start_length)
  while(TRUE)
    string(FIND "${text}" "${SITEMAP_NAME_START}" at)
    if(at EQUAL -1)
      break()
    endif()
    math(EXPR value_at "${at} + ${start_length}")
    string(SUBSTRING "${text}" 0 ${value_at} head)
    string(SUBSTRING "${text}" ${value_at} -1 text)
    string(FIND "${text}" "${SITEMAP_NAME_END}" end)
    if(end EQUAL -1)
      message(FATAL_ERROR "a title of the contents or index has no Local after it: ${text}")
    endif()
    string(SUBSTRING "${text}" 0 ${end} title)
    string(SUBSTRING "${text}" ${end} -1 text)
    string(APPEND titles "${title}\n")
    string(REPLACE "&" "&amp;" title "${title}")
    string(REPLACE "\"" "&quot;" title "${title}")
    string(REPLACE "<" "&lt;" title "${title}")
    string(REPLACE ">" "&gt;" title "${title}")
    string(APPEND result "${head}${title}")
  endwhile()
  string(APPEND result "${text}")
  set(${out_text} "${result}" PARENT_SCOPE)
  set(${out_titles} "${titles}" PARENT_SCOPE)
endfunction()
