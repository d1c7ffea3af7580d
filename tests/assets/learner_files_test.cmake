# The build step that puts the learner's files into the program folder
# copies them when absent and leaves them alone when present.
#   -DLEARNER_SCRIPT=... -DSOURCE_DIR=<data folder> -DWORK_DIR=<scratch folder>

function(run_step)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR} -DPROGRAM_DIR=${WORK_DIR}
            -P ${LEARNER_SCRIPT}
    RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "learner files step failed: ${result}")
  endif()
endfunction()

# Compared by hash: file(READ) drops carriage returns.
function(expect_content path expected)
  file(SHA256 ${path} actual_hash)
  string(SHA256 expected_hash "${expected}")
  if(NOT actual_hash STREQUAL expected_hash)
    file(READ ${path} actual)
    message(FATAL_ERROR "${path} holds '${actual}', expected '${expected}'")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# A fresh folder gets the defaults and an empty UserFile folder.
run_step()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE_DIR}/font.txt
                ${WORK_DIR}/font.txt RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "font.txt is not the default")
endif()
expect_content(${WORK_DIR}/checked.txt "")
if(NOT IS_DIRECTORY ${WORK_DIR}/UserFile)
  message(FATAL_ERROR "UserFile folder missing")
endif()

# The learner changes settings and marks and saves a set; a rebuild keeps all.
file(WRITE ${WORK_DIR}/font.txt "changed by the learner\r\n")
file(WRITE ${WORK_DIR}/checked.txt "K12\r\n")
file(WRITE ${WORK_DIR}/UserFile/mine.txt "my set\r\n")
run_step()
expect_content(${WORK_DIR}/font.txt "changed by the learner\r\n")
expect_content(${WORK_DIR}/checked.txt "K12\r\n")
expect_content(${WORK_DIR}/UserFile/mine.txt "my set\r\n")

# A file the learner deleted comes back as the default.
file(REMOVE ${WORK_DIR}/checked.txt)
run_step()
expect_content(${WORK_DIR}/checked.txt "")
expect_content(${WORK_DIR}/font.txt "changed by the learner\r\n")

file(REMOVE_RECURSE ${WORK_DIR})
