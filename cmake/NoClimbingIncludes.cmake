# Fails the build when an include in a layer's sources climbs with "..".
# The wall between layers is each layer's include path; a quoted include is
# first looked up beside the including file, so "../../gameplay/X.h" would
# walk round the wall without touching the include path.
#   cmake -DSOURCE_DIR=<repository> "-DFOLDERS=<folder;...>" -P NoClimbingIncludes.cmake
set(climbing "")
foreach(folder ${FOLDERS})
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\.[/\\\\]")
    foreach(line ${lines})
      file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
      string(APPEND climbing "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(climbing)
  message(FATAL_ERROR "Includes that climb out of their folder with \"..\" (name the file from the "
                      "repository's root, as every other include does):${climbing}")
endif()
