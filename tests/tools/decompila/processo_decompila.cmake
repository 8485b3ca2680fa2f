# Runs the real decompila_scenario on the embedded scenario's compiled files,
# then compila_scenario on what it wrote, and checks the round trip.
#   -DDECOMPILA=<program>  -DCOMPILA=<program>  -DLAVORO=<scratch folder>  -DDATI=<tests/dati>
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${LAVORO}")
file(MAKE_DIRECTORY "${LAVORO}/c" "${LAVORO}/o" "${LAVORO}/r")
set(binari Ostrale_Fiorna_linea.dat Ostrale_Fiorna_40817.sim Ostrale_Fiorna_40817.dat)
foreach(nome IN LISTS binari)
  file(COPY "${DATI}/${nome}" DESTINATION "${LAVORO}/c")
endforeach()

function(esegui)
  execute_process(COMMAND ${EMULATORE} ${ARGN} WORKING_DIRECTORY "${LAVORO}"
    RESULT_VARIABLE stato OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
  message(STATUS "${ARGN}: exit ${stato}\n${uscita}${errori}")
  if(NOT stato EQUAL 0)
    message(FATAL_ERROR "exit status ${stato}, expected 0")
  endif()
endfunction()

function(uguali a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${a}" "${b}" RESULT_VARIABLE diversi)
  if(NOT diversi EQUAL 0)
    message(FATAL_ERROR "${a} differs from ${b}")
  endif()
endfunction()

esegui("${DECOMPILA}" c Ostrale_Fiorna 40817 --output o)
uguali("${LAVORO}/o/Ostrale_Fiorna_linea.txt" "${DATI}/decompilati/Ostrale_Fiorna_linea.txt")
uguali("${LAVORO}/o/Ostrale_Fiorna_40817-.txt" "${DATI}/decompilati/Ostrale_Fiorna_40817-.txt")
esegui("${COMPILA}" o/Ostrale_Fiorna_linea.txt o/Ostrale_Fiorna_40817-.txt --output r)
foreach(nome IN LISTS binari)
  uguali("${LAVORO}/r/${nome}" "${DATI}/${nome}")
endforeach()
