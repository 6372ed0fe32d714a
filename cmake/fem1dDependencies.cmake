# The solvers' libraries, found the same way by the build and by the
# installed package: LAPACK::LAPACK, fem1d::arpack and fem1d::qd.
include(CMakeFindDependencyMacro)
find_dependency(LAPACK)

# An imported target for a library found by its header and name, or a fatal
# error naming the Debian package that provides it.
function(fem1d_import_library target header library package)
  if(TARGET ${target})
    return()
  endif()
  find_library(FEM1D_${library}_LIBRARY NAMES ${library})
  find_path(FEM1D_${library}_INCLUDE_DIR NAMES ${header})
  if(NOT FEM1D_${library}_LIBRARY OR NOT FEM1D_${library}_INCLUDE_DIR)
    message(FATAL_ERROR "${header} and lib${library} not found: install the Debian package ${package}")
  endif()
  add_library(${target} UNKNOWN IMPORTED)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION "${FEM1D_${library}_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${FEM1D_${library}_INCLUDE_DIR}")
endfunction()

fem1d_import_library(fem1d::arpack arpack/arpack.h arpack libarpack2-dev)
fem1d_import_library(fem1d::qd qd/dd_real.h qd libqd-dev)
