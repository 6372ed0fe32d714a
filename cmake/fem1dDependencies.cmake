# The solvers' libraries, found the same way by the build and by the
# installed package: LAPACK::LAPACK, fem1d::arpack and fem1d::qd.
include(CMakeFindDependencyMacro)
find_dependency(LAPACK)
if(NOT TARGET fem1d::arpack)
  find_library(FEM1D_ARPACK_LIBRARY NAMES arpack)
  find_path(FEM1D_ARPACK_INCLUDE_DIR NAMES arpack/arpack.h)
  if(NOT FEM1D_ARPACK_LIBRARY OR NOT FEM1D_ARPACK_INCLUDE_DIR)
    message(FATAL_ERROR "ARPACK (arpack/arpack.h, libarpack) not found: install the Debian package libarpack2-dev")
  endif()
  add_library(fem1d::arpack UNKNOWN IMPORTED)
  set_target_properties(fem1d::arpack PROPERTIES IMPORTED_LOCATION "${FEM1D_ARPACK_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${FEM1D_ARPACK_INCLUDE_DIR}")
endif()
if(NOT TARGET fem1d::qd)
  find_library(FEM1D_QD_LIBRARY NAMES qd)
  find_path(FEM1D_QD_INCLUDE_DIR NAMES qd/dd_real.h)
  if(NOT FEM1D_QD_LIBRARY OR NOT FEM1D_QD_INCLUDE_DIR)
    message(FATAL_ERROR "QD (qd/dd_real.h, libqd) not found: install the Debian package libqd-dev")
  endif()
  add_library(fem1d::qd UNKNOWN IMPORTED)
  set_target_properties(fem1d::qd PROPERTIES IMPORTED_LOCATION "${FEM1D_QD_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${FEM1D_QD_INCLUDE_DIR}")
endif()
