# Copies the generated sample into the program folder. Assets are refreshed;
# the database and the user's word lists are copied only when the folder has
# none, so rebuilding never wipes study progress or the words a user added.
set(KEPT qbk54.mdb dictionary.DCT lexo.dct)
file(MAKE_DIRECTORY ${PROGRAM})
foreach(kept ${KEPT})
  if(NOT EXISTS ${PROGRAM}/${kept})
    file(COPY ${SAMPLE}/${kept} DESTINATION ${PROGRAM})
  endif()
endforeach()
file(GLOB entries RELATIVE ${SAMPLE} ${SAMPLE}/*)
foreach(entry ${entries})
  list(FIND KEPT ${entry} kept)
  if(kept EQUAL -1 AND NOT entry STREQUAL "assets.stamp" AND NOT entry MATCHES "^\\.")
    file(COPY ${SAMPLE}/${entry} DESTINATION ${PROGRAM})
  endif()
endforeach()
