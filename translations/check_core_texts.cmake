# Fails when translations/core_form_texts.cpp is not what quillmere-core-texts writes
# now: a table's text changed without scripts/update_translations.
execute_process(COMMAND ${TOOL} OUTPUT_VARIABLE written RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "quillmere-core-texts failed")
endif()
file(READ ${LIST} committed)
if(NOT written STREQUAL committed)
  message(FATAL_ERROR "${LIST} is out of date with the form tables: run scripts/update_translations")
endif()
