# cmake -P CheckFinishedCatalogue.cmake: fails when a catalogue has lost touch with the
# documents' texts: a text of the documents it does not translate, or one it keeps that the
# documents lost.
#   LUPDATE    the lupdate program
#   LRELEASE   the lrelease program
#   SOURCES    the folder of the QML documents
#   CATALOGUE  the committed catalogue (.ts)
#   LANGUAGE   its language
#   WORK       a scratch copy, refreshed from the documents, in the build folder; the
#              compiled catalogues of the check are written beside it, never beside CATALOGUE
#   STAMP      written when the catalogue is finished

# lrelease's count of a catalogue's messages: "<all> <finished> <unfinished>", the empty
# ones that lrelease leaves out counted as unfinished. The compiled catalogue goes to qm.
function(count_messages catalogue qm out)
  execute_process(
    COMMAND ${LRELEASE} ${catalogue} -qm ${qm}
    OUTPUT_VARIABLE report
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT report MATCHES
     "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and ([0-9]+) unfinished\\)")
    message(FATAL_ERROR "lrelease failed on ${catalogue}: ${report}")
  endif()
  set(all ${CMAKE_MATCH_1})
  set(finished ${CMAKE_MATCH_2})
  set(unfinished ${CMAKE_MATCH_3})
  if(report MATCHES "Ignored ([0-9]+) untranslated")
    math(EXPR all "${all} + ${CMAKE_MATCH_1}")
    math(EXPR unfinished "${unfinished} + ${CMAKE_MATCH_1}")
  endif()
  set(${out} "${all} ${finished} ${unfinished}" PARENT_SCOPE)
endfunction()

# Obsolete and vanished messages are not counted by lrelease; they must not be kept either.
file(STRINGS ${CATALOGUE} stale_messages REGEX "type=\"(vanished|obsolete)\"")
list(LENGTH stale_messages stale)
file(COPY_FILE ${CATALOGUE} ${WORK})
execute_process(
  COMMAND ${LUPDATE} -silent -extensions qml -locations none -no-obsolete
          -target-language ${LANGUAGE} ${SOURCES} -ts ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${CATALOGUE}")
endif()
count_messages(${CATALOGUE} ${WORK}.committed.qm committed)
count_messages(${WORK} ${WORK}.qm refreshed)
string(REPLACE " " ";" refreshed_counts "${refreshed}")
list(GET refreshed_counts 2 unfinished)
# A text the documents lost drops out of the refreshed copy; a new one comes in unfinished.
if(stale GREATER 0 OR unfinished GREATER 0 OR NOT committed STREQUAL refreshed)
  message(FATAL_ERROR "${CATALOGUE} is out of step with the documents (messages, finished, "
                      "unfinished: ${committed} kept, ${refreshed} wanted; ${stale} obsolete); "
                      "run scripts/update-translations and translate every message")
endif()
file(TOUCH ${STAMP})
