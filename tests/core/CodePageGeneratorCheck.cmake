# Runs scripts/gen-codepage-tables.py over the hand-made code pages of tests/data/codepage
# and fails unless its output is expected.inc, byte for byte.
execute_process(
  COMMAND ${PYTHON} scripts/gen-codepage-tables.py --nls-dir tests/data/codepage --pages 9001,9002 -o ${OUTPUT}
  WORKING_DIRECTORY ${SOURCE}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the generator failed (${result})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SOURCE}/tests/data/codepage/expected.inc
  RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "the generator's output ${OUTPUT} differs from tests/data/codepage/expected.inc")
endif()
