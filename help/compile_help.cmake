# Runs chmcmd on PROJECT_FILE and puts the help file at OUTPUT, only when the compiler reported
# no problem: chmcmd exits with 0 even when a page links to a file that does not exist, and a
# half-written file must never sit where the program looks for its help.
#   cmake -DCHMCMD=... -DPROJECT_FILE=x.hhp -DWORK_DIR=dir -DOUTPUT=dir/Name.chm -P compile_help.cmake
# The project file's "Compiled file" must be OUTPUT's file name; chmcmd writes it into its
# working folder and reads the sources from the project file's folder.

get_filename_component(compiled_name ${OUTPUT} NAME)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CHMCMD} ${PROJECT_FILE}
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE errors)

if(NOT result EQUAL 0 OR report MATCHES "Warning|Error" OR errors MATCHES "exception|Error"
   OR NOT EXISTS ${WORK_DIR}/${compiled_name})
  message(FATAL_ERROR "chmcmd could not compile ${PROJECT_FILE} (exit ${result}):\n${report}${errors}")
endif()
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(RENAME ${WORK_DIR}/${compiled_name} ${OUTPUT})
