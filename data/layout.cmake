# Copies the generated sample into the program folder. Assets are refreshed;
# the database is copied only when the folder has none.
file(MAKE_DIRECTORY ${PROGRAM})
if(NOT EXISTS ${PROGRAM}/qbk54.mdb)
  file(COPY ${SAMPLE}/qbk54.mdb DESTINATION ${PROGRAM})
endif()
file(GLOB entries RELATIVE ${SAMPLE} ${SAMPLE}/*)
foreach(entry ${entries})
  if(NOT entry STREQUAL "qbk54.mdb" AND NOT entry STREQUAL "assets.stamp" AND NOT entry MATCHES "^\\.")
    file(COPY ${SAMPLE}/${entry} DESTINATION ${PROGRAM})
  endif()
endforeach()
