# cmake -DLUPDATE=... -DOPTIONS=a|b -DLIST=sources.lst -DTS=file.ts -DWORK=dir -P checkts.cmake
string(REPLACE "|" ";" OPTIONS "${OPTIONS}")
get_filename_component(name ${TS} NAME)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${TS} DESTINATION ${WORK})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${LIST} -ts ${WORK}/${name}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
endif()
file(READ ${TS} committed)
file(READ ${WORK}/${name} current)
if(NOT committed STREQUAL current)
  execute_process(COMMAND diff -u ${TS} ${WORK}/${name} OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "${name} does not match the texts of the sources: a text was added, "
    "changed or removed. Run `cmake --build build --target update_translations`, translate "
    "what is new and commit the .ts file.\n${difference}")
endif()
string(FIND "${committed}" "type=\"unfinished\"" unfinished)
if(NOT unfinished EQUAL -1)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing
    "${committed}")
  message(FATAL_ERROR "${name} has texts without a translation:\n${missing}")
endif()
message(STATUS "${name}: complete")
