# Runs one program and compares its complete standard output (and, when given,
# standard error) and exit status with stored expectations, byte for byte.
#
#   -DPROGRAM=path            program to run
#   -DWORKDIR=dir             working directory of the run
#   -DARGS=a,b,...            arguments, comma separated (optional)
#   -DEXPECTED_STDOUT=file    expected standard output
#   -DEXPECTED_STDERR=file    expected standard error (optional)
#   -DEXPECTED_EXIT=n         expected exit status
#   -DOUTDIR=dir              where the actual output is kept for inspection
#
# For programs that write files (optional):
#   -DCOPY=a,b,...            files copied into WORKDIR, emptied first, before the run
#   -DEXPECTED_DIR=dir        the files the run must write into WORKDIR: every
#                             file of dir but the expected standard output, each
#                             compared byte for byte, and no other file
cmake_minimum_required(VERSION 3.25)

string(REPLACE "," ";" run_args "${ARGS}")
get_filename_component(name "${PROGRAM}" NAME)
set(actual_out "${OUTDIR}/${name}${SUFFIX}.stdout")
set(actual_err "${OUTDIR}/${name}${SUFFIX}.stderr")
file(MAKE_DIRECTORY "${OUTDIR}")

set(copied "")
if(DEFINED COPY)
  file(REMOVE_RECURSE "${WORKDIR}")
  file(MAKE_DIRECTORY "${WORKDIR}")
  string(REPLACE "," ";" copy_list "${COPY}")
  foreach(input IN LISTS copy_list)
    file(COPY "${input}" DESTINATION "${WORKDIR}")
    get_filename_component(input_name "${input}" NAME)
    list(APPEND copied "${input_name}")
  endforeach()
endif()

execute_process(
  COMMAND "${PROGRAM}" ${run_args}
  WORKING_DIRECTORY "${WORKDIR}"
  OUTPUT_FILE "${actual_out}"
  ERROR_FILE "${actual_err}"
  RESULT_VARIABLE status)

# Appends to failures when the file actual differs from expected.
function(compare_file actual expected)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual}" "${expected}" RESULT_VARIABLE differs)
  if(differs)
    set(failures "${failures}${actual} differs from ${expected}\n" PARENT_SCOPE)
  endif()
endfunction()

set(failures "")
if(NOT "${status}" STREQUAL "${EXPECTED_EXIT}")
  string(APPEND failures "exit status ${status}, expected ${EXPECTED_EXIT}\n")
endif()
compare_file("${actual_out}" "${EXPECTED_STDOUT}")
if(DEFINED EXPECTED_STDERR)
  compare_file("${actual_err}" "${EXPECTED_STDERR}")
endif()

if(DEFINED EXPECTED_DIR)
  get_filename_component(stdout_name "${EXPECTED_STDOUT}" NAME)
  file(GLOB expected_files RELATIVE "${EXPECTED_DIR}" "${EXPECTED_DIR}/*")
  list(REMOVE_ITEM expected_files "${stdout_name}")
  foreach(expected IN LISTS expected_files)
    if(NOT EXISTS "${WORKDIR}/${expected}")
      string(APPEND failures "${expected} was not written\n")
      continue()
    endif()
    compare_file("${WORKDIR}/${expected}" "${EXPECTED_DIR}/${expected}")
  endforeach()
  file(GLOB written RELATIVE "${WORKDIR}" "${WORKDIR}/*")
  foreach(file_name IN LISTS written)
    list(FIND expected_files "${file_name}" known)
    list(FIND copied "${file_name}" input)
    if(known EQUAL -1 AND input EQUAL -1)
      string(APPEND failures "${WORKDIR}/${file_name} was written but is not expected\n")
    endif()
  endforeach()
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
