# Turns catalogue.tsv into the rows of the program's menu table:
#   cmake -DSOURCE=catalogue.tsv -DOUTPUT=catalogue_rows.inc -P generate_table.cmake
# Every field becomes a C++ string literal; nothing is trimmed, since some
# captions end in spaces.
file(STRINGS ${SOURCE} lines ENCODING UTF-8)
set(rows "// Generated from catalogue.tsv by generate_table.cmake: edit that file.\n")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  string(REPLACE "\\" "\\\\" line "${line}")
  string(REPLACE "\"" "\\\"" line "${line}")
  string(REPLACE "\t" "\", \"" line "${line}")
  # Eight fields: a row with fewer tabs is a mistake in the file.
  string(REGEX MATCHALL "\", \"" separators "${line}")
  list(LENGTH separators fields)
  if(NOT fields EQUAL 7)
    message(FATAL_ERROR "catalogue.tsv: a row without eight fields: ${line}")
  endif()
  string(APPEND rows "{\"${line}\"},\n")
  math(EXPR count "${count} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "${rows}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
