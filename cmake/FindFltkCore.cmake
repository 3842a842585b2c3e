# Finds the core FLTK 1.3 library and its X11 dependency, and nothing else of FLTK.
# FLTK's own CMake files (and CMake's FindFLTK, which loads them) also require fluid and the
# OpenGL development files, which this program does not use.
#
# Defines the imported target Fltk::Core.
include(FindPackageHandleStandardArgs)
find_package(X11 QUIET)
find_path(FltkCore_INCLUDE_DIR FL/Fl.H)
find_library(FltkCore_LIBRARY NAMES fltk)
find_package_handle_standard_args(FltkCore
  REQUIRED_VARS FltkCore_LIBRARY FltkCore_INCLUDE_DIR X11_FOUND)
if(FltkCore_FOUND AND NOT TARGET Fltk::Core)
  add_library(Fltk::Core UNKNOWN IMPORTED)
  set_target_properties(Fltk::Core PROPERTIES
    IMPORTED_LOCATION "${FltkCore_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${FltkCore_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES X11::X11)
endif()
mark_as_advanced(FltkCore_INCLUDE_DIR FltkCore_LIBRARY)
