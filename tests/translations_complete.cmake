# SPDX-License-Identifier: MIT
# Fails when a text of the program has no finished Japanese translation: the sources are
# collected into a copy of the translation file (the file itself stays as it is), then lrelease
# counts what is unfinished. Run with -DLUPDATE= -DLRELEASE= -DSOURCES= -DTS= -DWORK=.
file(MAKE_DIRECTORY ${WORK})
set(copy ${WORK}/translation_check.ts)
file(COPY_FILE ${TS} ${copy})
set(refresh "cmake --build build/default --target update_translations, then translate")

execute_process(COMMAND ${LUPDATE} -no-obsolete -locations none ${SOURCES} -ts ${copy}
    OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE status)
message("${said}")
# A text lupdate cannot place is looked up in another context than it is stored in: never shown.
if(NOT status EQUAL 0 OR said MATCHES "\n[^\n]*:[0-9]+: ")
    message(FATAL_ERROR "lupdate failed or warned about a source")
endif()
if(NOT said MATCHES "\\(0 new and")
    message(FATAL_ERROR "Texts of the sources are missing from ${TS}: ${refresh} them.")
endif()

execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK}/translation_check.qm
    OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE status)
message("${said}")
if(NOT status EQUAL 0 OR NOT said MATCHES " 0 unfinished\\)" OR said MATCHES "untranslated")
    message(FATAL_ERROR "Unfinished or untranslated texts in ${TS}: translate them.")
endif()
