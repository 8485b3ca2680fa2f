# What the tests that run the real programs as processes share.

# Runs the command in ARGN, in `cartella_esecuzione` when it is set, and
# fails unless it ends with `stato_atteso`; its standard error is left in `errori`.
function(esegui stato_atteso)
  set(dove)
  if(cartella_esecuzione)
    set(dove WORKING_DIRECTORY "${cartella_esecuzione}")
  endif()
  execute_process(COMMAND ${ARGN} ${dove} RESULT_VARIABLE stato OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
  message(STATUS "exit ${stato}\n${uscita}${errori}")
  if(NOT stato EQUAL stato_atteso)
    message(FATAL_ERROR "exit status ${stato}, expected ${stato_atteso}: ${ARGN}")
  endif()
  set(errori "${errori}" PARENT_SCOPE)
endfunction()

# Fails unless the two files are byte for byte the same.
function(uguali a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${a}" "${b}" RESULT_VARIABLE diversi)
  if(NOT diversi EQUAL 0)
    message(FATAL_ERROR "${a} differs from ${b}")
  endif()
endfunction()
