# catalogue_names(VAR LISTER CATALOGUE): the names a catalogue header of
# shared/ gives, as a ;-list in VAR. LISTER is a small program that prints
# them one a line; it is built and run when CMake runs, and CMake runs again
# when the catalogue or the program changes. The generators' build rules list
# their outputs from it, so a new picture or sound is named in its catalogue
# only.
function(catalogue_names var lister catalogue)
  try_run(ran built ${CMAKE_CURRENT_BINARY_DIR}/list
          SOURCES ${lister}
          CMAKE_FLAGS "-DINCLUDE_DIRECTORIES=${CMAKE_SOURCE_DIR}"
          CXX_STANDARD 20 CXX_STANDARD_REQUIRED ON
          COMPILE_OUTPUT_VARIABLE compiler_said
          RUN_OUTPUT_VARIABLE names)
  if(NOT built OR NOT ran EQUAL 0)
    message(FATAL_ERROR "Could not list the names of ${catalogue}:\n${compiler_said}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${catalogue} ${lister})
  string(STRIP "${names}" names)
  string(REPLACE "\n" ";" names "${names}")
  set(${var} ${names} PARENT_SCOPE)
endfunction()
