# Runs a scenario that must fail and checks the exit status and that the
# message names the line of the failing expectation.
# DATABASE, when given, is the shared notebook the scenario runs on.
set(database_option)
if(DATABASE)
  set(database_option --database ${DATABASE})
endif()
execute_process(COMMAND ${SCRIPT} ${database_option} ${SCENARIO}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL ${EXPECT_STATUS})
  message(FATAL_ERROR "expected exit status ${EXPECT_STATUS}, got ${status}\n${out}\n${err}")
endif()
file(STRINGS ${SCENARIO} marker ENCODING UTF-8 REGEX "^# expect-message: ")
foreach(m IN LISTS marker)
  string(REPLACE "# expect-message: " "" wanted "${m}")
  string(FIND "${err}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "message does not contain '${wanted}':\n${err}")
  endif()
endforeach()
