# Lays out the program folder beside the executable: cmake -DSOURCE=<tree>
# -DDEST=<folder> -P program-files.cmake. The delivered banks and the sounds
# are refreshed on every build; what users make there is never touched: the
# custom bank pair is put in place only while the folder has neither file,
# and the job folder with its records is only created.

foreach(folder data sound job)
  file(MAKE_DIRECTORY "${DEST}/${folder}")
endforeach()

file(GLOB delivered RELATIVE "${SOURCE}/data" "${SOURCE}/data/*.tm" "${SOURCE}/data/*.da")
foreach(name IN LISTS delivered)
  if(NOT name MATCHES "^make\\.(tm|da)$")
    file(COPY_FILE "${SOURCE}/data/${name}" "${DEST}/data/${name}" ONLY_IF_DIFFERENT)
  endif()
endforeach()

if(NOT EXISTS "${DEST}/data/make.tm" AND NOT EXISTS "${DEST}/data/make.da")
  file(COPY_FILE "${SOURCE}/data/make.tm" "${DEST}/data/make.tm")
  file(COPY_FILE "${SOURCE}/data/make.da" "${DEST}/data/make.da")
endif()

file(GLOB sounds RELATIVE "${SOURCE}/sound" "${SOURCE}/sound/*.wav")
foreach(name IN LISTS sounds)
  file(COPY_FILE "${SOURCE}/sound/${name}" "${DEST}/sound/${name}" ONLY_IF_DIFFERENT)
endforeach()
