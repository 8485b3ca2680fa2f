# Runs the program copied into a fresh folder, from another working directory,
# and checks exactly what it leaves in its own folder.
#   -DESEGUIBILE=<program>  -DLAVORO=<scratch folder>  -DATTESI=<folder of expected files>
#   -DMODO=vuota | sopra | sola_lettura   [-DEMULATORE=<runner>]
cmake_minimum_required(VERSION 3.25)

set(uscite
  Ostrale_Fiorna_40817_note.txt
  Ostrale_Fiorna_40817_rallentamenti.txt
  Ostrale_Fiorna_40817_scheda_treno.txt
  Ostrale_Fiorna_linea.dat
  Ostrale_Fiorna_40817.sim
  Ostrale_Fiorna_40817.dat)

set(cartella "${LAVORO}/${MODO}")
file(REMOVE_RECURSE "${cartella}")
file(MAKE_DIRECTORY "${cartella}")
file(COPY "${ESEGUIBILE}" DESTINATION "${cartella}")
get_filename_component(programma "${ESEGUIBILE}" NAME)

# Older, longer files under every output name, and stale description files.
if(MODO STREQUAL "sopra" OR MODO STREQUAL "sola_lettura")
  string(REPEAT "vecchio contenuto, piu' lungo del nuovo\n" 100000 vecchio)
  foreach(nome IN LISTS uscite)
    file(WRITE "${cartella}/${nome}" "${nome}\n${vecchio}")
  endforeach()
endif()

set(esegui ${EMULATORE} "${cartella}/${programma}")
if(MODO STREQUAL "sola_lettura")
  file(CHMOD "${cartella}" PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  # Root writes anywhere: run as nobody so the folder's permissions hold.
  execute_process(COMMAND id -u OUTPUT_VARIABLE utente OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(utente STREQUAL "0")
    file(CHMOD "${LAVORO}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(esegui setpriv --reuid=65534 --regid=65534 --clear-groups ${esegui})
  endif()
endif()

execute_process(COMMAND ${esegui} WORKING_DIRECTORY "${LAVORO}"
  RESULT_VARIABLE stato OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
message(STATUS "exit ${stato}\n${errori}")

if(MODO STREQUAL "sola_lettura")
  file(CHMOD "${cartella}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  if(stato EQUAL 0)
    message(FATAL_ERROR "a run in a read-only folder reported success")
  endif()
  if(NOT errori MATCHES "Ostrale_Fiorna_linea\\.txt")
    message(FATAL_ERROR "the failure does not name the file it could not write")
  endif()
  foreach(nome IN LISTS uscite)
    file(READ "${cartella}/${nome}" letto)
    if(NOT letto STREQUAL "${nome}\n${vecchio}")
      message(FATAL_ERROR "${nome}: the older file was changed by a failed run")
    endif()
  endforeach()
  file(GLOB presenti RELATIVE "${cartella}" "${cartella}/*")
  list(LENGTH presenti quanti)
  if(NOT quanti EQUAL 7)
    message(FATAL_ERROR "the failed run left other files: ${presenti}")
  endif()
  return()
endif()

if(NOT stato EQUAL 0)
  message(FATAL_ERROR "the run failed with exit status ${stato}")
endif()
file(GLOB presenti RELATIVE "${cartella}" "${cartella}/*")
set(attesi_presenti ${uscite} ${programma})
list(SORT presenti)
list(SORT attesi_presenti)
if(NOT presenti STREQUAL attesi_presenti)
  message(FATAL_ERROR "files left: ${presenti}\nexpected: ${attesi_presenti}")
endif()
foreach(nome IN LISTS uscite)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${cartella}/${nome}" "${ATTESI}/${nome}"
    RESULT_VARIABLE diversi)
  if(NOT diversi EQUAL 0)
    message(FATAL_ERROR "${nome} differs from the expected file")
  endif()
endforeach()
