# Runs lupdate over a copy of the English translation file: the copy must come out unchanged.
string(REPLACE "," ";" folders "${FOLDERS}")
set(original resources/translations/tessaline_en.ts)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${original} DESTINATION ${WORK})
execute_process(
  COMMAND ${LUPDATE} -silent -no-obsolete -locations none -I src ${folders} -ts ${WORK}/tessaline_en.ts
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lupdate failed")
endif()
file(READ ${original} before)
file(READ ${WORK}/tessaline_en.ts after)
if(NOT before STREQUAL after)
  execute_process(COMMAND diff -u ${original} ${WORK}/tessaline_en.ts)
  message(FATAL_ERROR "The translation files do not hold the tr() texts of the sources: "
                      "build the update_translations target and translate the new texts in every file.")
endif()
