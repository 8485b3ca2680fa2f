# Every example of docs/autori.md, tried: the files it shows are those of
# docs/esempio, which compile without a warning; the mistake it shows gives
# the diagnostic it shows; the compiled scenario can be looked at, packed and
# installed, and the installer writes what compila_scenario wrote.
#   -DSORGENTE=<project folder>  -DLAVORO=<scratch folder>  -DCOMPILA=<compila_scenario>
#   -DIMPACCHETTA=<impacchetta_scenario>  -DESAMINA=<esamina_scenario>  [-DEMULATORE=<runner>]
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../processo_comune.cmake)
unset(ENV{DISPLAY})

file(REMOVE_RECURSE "${LAVORO}")
file(MAKE_DIRECTORY "${LAVORO}/docs" "${LAVORO}/my_scenario" "${LAVORO}/giocatore")
# The guide's commands name docs/esempio from the project's folder: so does this copy.
file(COPY "${SORGENTE}/docs/esempio" DESTINATION "${LAVORO}/docs")
set(cartella_esecuzione "${LAVORO}")

# The guide shows each example file whole, under its name.
file(READ "${SORGENTE}/docs/autori.md" guida)
string(REGEX MATCHALL "`docs/esempio/[^`]+`:\n\n```[a-z ]*\n[^`]*```" blocchi "${guida}")
list(LENGTH blocchi quanti)
if(quanti LESS 3)
  message(FATAL_ERROR "the guide shows ${quanti} example files, expected the three of docs/esempio")
endif()
foreach(blocco IN LISTS blocchi)
  string(REGEX MATCH "^`(docs/esempio/[^`]+)`:\n\n```[a-z ]*\n(.*)```$" parti "${blocco}")
  set(nome "${CMAKE_MATCH_1}")
  set(mostrato "${CMAKE_MATCH_2}")
  file(READ "${SORGENTE}/${nome}" vero)
  string(REPLACE "\r\n" "\n" vero "${vero}")
  if(NOT mostrato STREQUAL vero)
    message(FATAL_ERROR "the guide shows ${nome} otherwise than the file")
  endif()
endforeach()

set(linea docs/esempio/Colle_Alto_linea.txt)
set(treno docs/esempio/Colle_Alto_101-.txt)
esegui(0 ${EMULATORE} "${COMPILA}" ${linea} ${treno} --documenti --strict --output my_scenario)
if(NOT errori STREQUAL "")
  message(FATAL_ERROR "the example is not clean: ${errori}")
endif()

# The mistake the guide shows, and the diagnostic it shows for it.
string(REGEX MATCH "\n    (docs/esempio/Colle_Alto_101-.txt:[^\n]+)\n    ([^\n]+)\n    \\^\n    (compila_scenario:[^\n]+)\n" esempio "${guida}")
set(diagnostica "${CMAKE_MATCH_1}\n${CMAKE_MATCH_2}\n^\n${CMAKE_MATCH_3}\n")
file(READ "${LAVORO}/${treno}" servizio)
string(REPLACE "segnale,    5500," "segnale,    1650," sbagliato "${servizio}")
file(WRITE "${LAVORO}/${treno}" "${sbagliato}")
# The guide's own command: a failed compile leaves my_scenario as it was.
esegui(1 ${EMULATORE} "${COMPILA}" ${linea} ${treno} --documenti --output my_scenario)
if(NOT errori STREQUAL diagnostica)
  message(FATAL_ERROR "the mistake gives\n${errori}\nnot what the guide shows:\n${diagnostica}")
endif()
file(WRITE "${LAVORO}/${treno}" "${servizio}")

if(ESAMINA)
  esegui(0 ${EMULATORE} "${ESAMINA}" my_scenario Colle_Alto 101 --svg colle_alto.svg)
  if(NOT EXISTS "${LAVORO}/colle_alto.svg")
    message(FATAL_ERROR "esamina_scenario --svg wrote no picture")
  endif()
endif()

# Shipped from the folder of descriptions, its documents generated on the way.
if(EMULATORE)
  set(installatore giocatore/Installa_Colle_Alto.exe)
else()
  set(installatore giocatore/Installa_Colle_Alto)
endif()
esegui(0 ${EMULATORE} "${IMPACCHETTA}" docs/esempio Colle_Alto 101 --output ${installatore})
execute_process(COMMAND ${EMULATORE} "${LAVORO}/${installatore}" WORKING_DIRECTORY "${LAVORO}/giocatore"
  RESULT_VARIABLE stato)
if(NOT stato EQUAL 0)
  message(FATAL_ERROR "the installer ended with status ${stato}")
endif()
foreach(nome Colle_Alto_linea.dat Colle_Alto_101.sim Colle_Alto_101.dat Colle_Alto_101_scheda_treno.txt
             Colle_Alto_101_rallentamenti.txt Colle_Alto_101_note.txt)
  uguali("${LAVORO}/giocatore/${nome}" "${LAVORO}/my_scenario/${nome}")
endforeach()
