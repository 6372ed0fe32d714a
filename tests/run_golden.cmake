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
cmake_minimum_required(VERSION 3.25)

string(REPLACE "," ";" run_args "${ARGS}")
get_filename_component(name "${PROGRAM}" NAME)
set(actual_out "${OUTDIR}/${name}${SUFFIX}.stdout")
set(actual_err "${OUTDIR}/${name}${SUFFIX}.stderr")
file(MAKE_DIRECTORY "${OUTDIR}")

execute_process(
  COMMAND "${PROGRAM}" ${run_args}
  WORKING_DIRECTORY "${WORKDIR}"
  OUTPUT_FILE "${actual_out}"
  ERROR_FILE "${actual_err}"
  RESULT_VARIABLE status)

set(failures "")
if(NOT "${status}" STREQUAL "${EXPECTED_EXIT}")
  string(APPEND failures "exit status ${status}, expected ${EXPECTED_EXIT}\n")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual_out}" "${EXPECTED_STDOUT}"
                RESULT_VARIABLE out_differs)
if(out_differs)
  string(APPEND failures "standard output ${actual_out} differs from ${EXPECTED_STDOUT}\n")
endif()
if(DEFINED EXPECTED_STDERR)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual_err}" "${EXPECTED_STDERR}"
                  RESULT_VARIABLE err_differs)
  if(err_differs)
    string(APPEND failures "standard error ${actual_err} differs from ${EXPECTED_STDERR}\n")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
