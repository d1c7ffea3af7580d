# The learner's own files in a program folder: the settings font.txt, the
# marks checked.txt and the UserFile folder. Each is put in place only when
# absent, so neither a rebuild nor a reinstall overwrites what the learner
# has changed. The build and `cmake --install` both run this script.
#
#   cmake -DSOURCE_DIR=<data folder> -DPROGRAM_DIR=<program folder> -P learner_files.cmake

foreach(required SOURCE_DIR PROGRAM_DIR)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "learner_files.cmake: ${required} is not set")
  endif()
endforeach()

file(MAKE_DIRECTORY "${PROGRAM_DIR}/UserFile")

foreach(name font.txt checked.txt)
  if(NOT EXISTS "${PROGRAM_DIR}/${name}" AND NOT IS_SYMLINK "${PROGRAM_DIR}/${name}")
    file(COPY "${SOURCE_DIR}/${name}" DESTINATION "${PROGRAM_DIR}")
    message(STATUS "Default ${name} put into ${PROGRAM_DIR}")
  endif()
endforeach()
