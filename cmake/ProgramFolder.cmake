# The program folder is the candidate's installation: the executable, the
# libraries beside it and the files the windows load by path. It must keep
# working wherever it is copied, unpacked or moved, so every file built into
# it finds its neighbours through its own folder ($ORIGIN), never through the
# build tree, and the same folder is what `cmake --install` and cpack lay out.

# drillbook_in_program_folder(TARGET...)
# Builds each target into the program folder with "$ORIGIN" as its only
# search path, and lists it for installation.
function(drillbook_in_program_folder)
  foreach(target ${ARGN})
    set_target_properties(${target} PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${DRILLBOOK_PROGRAM_DIR}
      LIBRARY_OUTPUT_DIRECTORY ${DRILLBOOK_PROGRAM_DIR}
      BUILD_WITH_INSTALL_RPATH ON
      INSTALL_RPATH "$ORIGIN")
    set_property(GLOBAL APPEND PROPERTY DRILLBOOK_PROGRAM_TARGETS ${target})
  endforeach()
endfunction()

# drillbook_install_program_folder()
# Installs the program folder at the install prefix itself: the listed
# targets, then the sample through the same layout the build uses (so an
# install over an existing folder keeps its bank and word lists), then the
# thesaurus under the program's own names.
function(drillbook_install_program_folder)
  get_property(targets GLOBAL PROPERTY DRILLBOOK_PROGRAM_TARGETS)
  install(TARGETS ${targets} RUNTIME DESTINATION . LIBRARY DESTINATION .)
  install(CODE "
    set(SAMPLE \"${DRILLBOOK_SAMPLE_DIR}\")
    set(PROGRAM \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    include(\"${CMAKE_SOURCE_DIR}/data/layout.cmake\")")
  install(FILES ${DRILLBOOK_SYSTEM_THESAURUS}.dat DESTINATION . RENAME VSTH_AE.THE)
  install(FILES ${DRILLBOOK_SYSTEM_THESAURUS}.idx DESTINATION . RENAME VSTH_AE.idx)
endfunction()
