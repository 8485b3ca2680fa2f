# Runs the real decompila_scenario on the embedded scenario's compiled files,
# then compila_scenario on what it wrote, and checks the round trip.
#   -DDECOMPILA=<program>  -DCOMPILA=<program>  -DLAVORO=<scratch folder>  -DDATI=<tests/dati>
#   [-DEMULATORE=<runner>]
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../processo_comune.cmake)

file(REMOVE_RECURSE "${LAVORO}")
# No "o": the program makes its output folder.
file(MAKE_DIRECTORY "${LAVORO}/c" "${LAVORO}/r")
set(cartella_esecuzione "${LAVORO}")
set(binari Ostrale_Fiorna_linea.dat Ostrale_Fiorna_40817.sim Ostrale_Fiorna_40817.dat)
foreach(nome IN LISTS binari)
  file(COPY "${DATI}/${nome}" DESTINATION "${LAVORO}/c")
endforeach()

esegui(0 ${EMULATORE} "${DECOMPILA}" c Ostrale_Fiorna 40817 --output o)
uguali("${LAVORO}/o/Ostrale_Fiorna_linea.txt" "${DATI}/decompilati/Ostrale_Fiorna_linea.txt")
uguali("${LAVORO}/o/Ostrale_Fiorna_40817-.txt" "${DATI}/decompilati/Ostrale_Fiorna_40817-.txt")
esegui(0 ${EMULATORE} "${COMPILA}" o/Ostrale_Fiorna_linea.txt o/Ostrale_Fiorna_40817-.txt --output r)
foreach(nome IN LISTS binari)
  uguali("${LAVORO}/r/${nome}" "${DATI}/${nome}")
endforeach()

# Asked again, it leaves the descriptions it wrote alone.
esegui(1 ${EMULATORE} "${DECOMPILA}" c Ostrale_Fiorna 40817 --output o)
