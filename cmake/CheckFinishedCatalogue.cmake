# cmake -P CheckFinishedCatalogue.cmake: fails when a catalogue that must be finished has
# lost touch with the documents' texts.
#   LUPDATE    the lupdate program
#   SOURCES    the folder of the QML documents
#   CATALOGUE  the committed catalogue (.ts)
#   LANGUAGE   its language
#   WORK       a scratch copy, refreshed from the documents
#   STAMP      written when the catalogue is finished
file(COPY_FILE ${CATALOGUE} ${WORK})
execute_process(
  COMMAND ${LUPDATE} -silent -extensions qml -locations none -target-language ${LANGUAGE}
          ${SOURCES} -ts ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${CATALOGUE}")
endif()
file(STRINGS ${WORK} open_messages REGEX "type=\"(unfinished|vanished|obsolete)\"")
list(LENGTH open_messages count)
if(count GREATER 0)
  message(FATAL_ERROR "${CATALOGUE}: ${count} messages unfinished, vanished or obsolete; "
                      "run scripts/update-translations and translate them")
endif()
file(TOUCH ${STAMP})
