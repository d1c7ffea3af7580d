# `cmake --install` writes the portable program folder, and installing again
# over it keeps the learner's settings and marks.
#   -DBUILD_DIR=<build folder> -DWORK_DIR=<scratch folder>
#   -DASSET_LIST=<cmake/assets.cmake>

include(${ASSET_LIST})

function(install_into prefix)
  execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component data
    RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
install_into(${WORK_DIR})

set(installed ${POTORAN_ASSET_FILES})
list(REMOVE_ITEM installed ${POTORAN_DESKTOP_ICONS})
foreach(file font.txt checked.txt ${installed} jhgram/Tango01.txt TOEIC550/TOEIC550_97.txt
        jhword/tang125.txt)
  if(NOT EXISTS ${WORK_DIR}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The desktop's icons belong to the package alone.
foreach(file ${POTORAN_DESKTOP_ICONS})
  if(EXISTS ${WORK_DIR}/${file})
    message(FATAL_ERROR "installed into the program folder: ${file}")
  endif()
endforeach()
if(NOT IS_DIRECTORY ${WORK_DIR}/UserFile)
  message(FATAL_ERROR "UserFile folder not installed")
endif()

file(WRITE ${WORK_DIR}/font.txt "changed by the learner\r\n")
file(WRITE ${WORK_DIR}/checked.txt "K12\r\n")
file(REMOVE ${WORK_DIR}/image/27.BMP)
install_into(${WORK_DIR})

# Compared by hash: file(READ) drops carriage returns.
file(SHA256 ${WORK_DIR}/font.txt settings)
file(SHA256 ${WORK_DIR}/checked.txt marks)
string(SHA256 changed_settings "changed by the learner\r\n")
string(SHA256 changed_marks "K12\r\n")
if(NOT settings STREQUAL changed_settings OR NOT marks STREQUAL changed_marks)
  message(FATAL_ERROR "reinstalling replaced the learner's files")
endif()
if(NOT EXISTS ${WORK_DIR}/image/27.BMP)
  message(FATAL_ERROR "reinstalling did not restore a program file")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
