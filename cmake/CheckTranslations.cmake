# Fails when a text the windows show has no finished translation, or when a
# translation file is not what the sources make of it (a text gone or changed
# without `update_translations`). Runs lupdate into a copy, so the kept files
# are never touched.
#   cmake -DLUPDATE=... -DSOURCES_LIST=... -DINCLUDE_DIR=... -DWORK_DIR=...
#         -DTS_FILES=a.ts;b.ts "-DLUPDATE_OPTIONS=-no-obsolete;-locations;none" -P CheckTranslations.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(failures "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  set(copy "${WORK_DIR}/${name}")
  configure_file("${ts}" "${copy}" COPYONLY)
  execute_process(
    COMMAND "${LUPDATE}" -silent "@${SOURCES_LIST}" -I "${INCLUDE_DIR}" -ts "${copy}" ${LUPDATE_OPTIONS}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
  endif()
  file(READ "${copy}" updated)
  file(READ "${ts}" kept)
  # Every message whose translation is unfinished, with its context.
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation type=\"unfinished\""
         unfinished "${updated}")
  foreach(message IN LISTS unfinished)
    string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${message}")
    string(APPEND failures "${name}: no finished translation of \"${text}\"\n")
  endforeach()
  if(NOT unfinished AND NOT updated STREQUAL kept)
    string(APPEND failures "${name} is not up to date with the sources: build the target update_translations\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}Translate them in the .ts file (docs/translations.md).")
endif()
message(STATUS "Every text has its translation: ${TS_FILES}")
