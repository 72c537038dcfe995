# Run after a generator: the files matching GLOB in FOLDER must be exactly
# the names listed in NAMES (a ;-list), so that the build rule's list of
# outputs stays true to what the generator writes.
#   cmake -DFOLDER=dir -DGLOB=*.bmp -DNAMES=a.bmp;b.bmp -P check-outputs.cmake
get_filename_component(FOLDER ${FOLDER} ABSOLUTE)
file(GLOB written RELATIVE ${FOLDER} ${FOLDER}/${GLOB})
set(unlisted ${written})
list(REMOVE_ITEM unlisted ${NAMES})
set(missing ${NAMES})
list(REMOVE_ITEM missing ${written})
if(unlisted OR missing)
  message(FATAL_ERROR "${FOLDER}: written but not listed: [${unlisted}]; listed but not written: "
                      "[${missing}]. The list of outputs in the generator's CMakeLists.txt must name "
                      "exactly what it writes.")
endif()
