# Fails when a source includes a header of a layer it may not depend on.
# The layers are platform <- engine <- playwindow <- player, designer: each
# may include its own folder and the ones before it, never a later one, and
# the two programs never each other.
#   cmake -DSOURCE_DIR=<tree> [-DSTAMP=<file>] -P tools/check-layers.cmake
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

set(refused_platform engine playwindow player designer)
set(refused_engine playwindow player designer)
set(refused_playwindow player designer)
set(refused_player designer)
set(refused_designer player)

set(faults "")
foreach(layer platform engine playwindow player designer)
  list(JOIN refused_${layer} "|" refused)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.cpp ${SOURCE_DIR}/${layer}/*.h)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](${refused})/")
    foreach(line ${includes})
      file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
      string(STRIP "${line}" line)
      string(APPEND faults "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "A layer includes a later one:${faults}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
