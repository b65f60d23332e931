# cmake -DSQLITE3=<shell> -DHEADER=<cube-file.sql> -DSQL=<cube.sql> -DOUTPUT=<file.cub> -P BuildCube.cmake
# Builds into a temporary file and renames it, so a failed build never leaves a half cube.
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(partial ${OUTPUT}.partial)
file(REMOVE ${partial})
file(READ ${HEADER} header)
file(READ ${SQL} body)
file(WRITE ${partial}.sql "${header}\n${body}")
execute_process(COMMAND ${SQLITE3} -bail ${partial}
                INPUT_FILE ${partial}.sql
                OUTPUT_QUIET
                RESULT_VARIABLE result
                ERROR_VARIABLE errors)
file(REMOVE ${partial}.sql)
if(NOT result EQUAL 0)
  file(REMOVE ${partial})
  message(FATAL_ERROR "Building ${OUTPUT} failed: ${errors}")
endif()
file(RENAME ${partial} ${OUTPUT})
