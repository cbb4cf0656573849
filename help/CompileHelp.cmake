# Compiles the help project with chmcmd in a staging copy of the help folder
# and puts the result at OUTPUT. chmcmd writes the compiled file relative to
# its working directory in some versions and relative to the project in
# others; running it on a copy, from the copy's folder, makes both the same
# place and keeps the source folder clean.
#
# cmake -DCHMCMD=... "-DSOURCES=page.htm;...;x.hhp" -DSTAGE_DIR=...
#       -DPROJECT=x.hhp -DCOMPILED=x.chm -DOUTPUT=... -P CompileHelp.cmake
# SOURCES lists every file of the project (pages, style sheets, project,
# contents and index), as the build knows them.
foreach(var CHMCMD SOURCES STAGE_DIR PROJECT COMPILED OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CompileHelp.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGE_DIR})
file(MAKE_DIRECTORY ${STAGE_DIR})
file(COPY ${SOURCES} DESTINATION ${STAGE_DIR})

execute_process(COMMAND ${CHMCMD} ${PROJECT}
  WORKING_DIRECTORY ${STAGE_DIR}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "chmcmd failed (${result}):\n${output}")
endif()
if(output MATCHES "Warning")
  message(WARNING "chmcmd:\n${output}")
endif()
if(NOT EXISTS ${STAGE_DIR}/${COMPILED})
  message(FATAL_ERROR "chmcmd reported success but wrote no ${COMPILED}:\n${output}")
endif()

file(REMOVE ${OUTPUT})
configure_file(${STAGE_DIR}/${COMPILED} ${OUTPUT} COPYONLY)
