# Compiles the test guide: the user's guide with pages of its own added, enough of them that
# its directory needs several chunks, and pages that the help window must not show as they are
# (nested tables, a page too large, one with too many tags, one that names files outside it).
#   cmake -DCHMCMD=... -DHELP_SOURCES=help -DPAGES=tests/guide -DSTAGE_DIR=dir
#         -DOUTSIDE_DIR=dir -DOUTPUT=dir/TestGuide.chm -P make_test_guide.cmake
# OUTSIDE_DIR, which outside.html names as OUTSIDE_FOLDER, is where the tests put the files the
# pages must not reach.

file(REMOVE_RECURSE ${STAGE_DIR})
file(COPY ${HELP_SOURCES}/ DESTINATION ${STAGE_DIR} FILES_MATCHING
  PATTERN "*.html" PATTERN "*.hhc" PATTERN "*.css" PATTERN "*.png" PATTERN "TavrelMarker.hhp")
set(added_files "")

# Tables nested COUNT deep, a word in the innermost cell.
function(write_nested_tables count)
  string(REPEAT "<table><tr><td>" ${count} open)
  string(REPEAT "</td></tr></table>" ${count} close)
  file(WRITE ${STAGE_DIR}/tables-${count}.html
    "<html><head><title>Tables ${count} deep</title></head><body>${open}deep${close}</body></html>\n")
endfunction()
foreach(count 3 4 20)
  write_nested_tables(${count})
  list(APPEND added_files tables-${count}.html)
endforeach()

string(REPEAT "A line of the guide, as long as lines of it are, and then some more. " 2000 words)
file(WRITE ${STAGE_DIR}/large.html
  "<html><head><title>Large</title></head><body><p>${words}</p></body></html>\n")
string(REPEAT "<b>" 3100 tags)
file(WRITE ${STAGE_DIR}/many-tags.html
  "<html><head><title>Many tags</title></head><body>${tags}bold</body></html>\n")
list(APPEND added_files large.html many-tags.html)

file(READ ${PAGES}/outside.html page)
string(REPLACE "OUTSIDE_FOLDER" "${OUTSIDE_DIR}" page "${page}")
file(WRITE ${STAGE_DIR}/outside.html "${page}")
list(APPEND added_files outside.html)

foreach(number RANGE 1 300)
  file(WRITE ${STAGE_DIR}/more/page-${number}.html
    "<html><head><title>Page ${number}</title></head><body><p>Page ${number}</p></body></html>\n")
  list(APPEND added_files more/page-${number}.html)
endforeach()

get_filename_component(compiled_name ${OUTPUT} NAME)
file(READ ${STAGE_DIR}/TavrelMarker.hhp project)
string(REPLACE "Compiled file=TavrelMarker.chm" "Compiled file=${compiled_name}" project "${project}")
list(JOIN added_files "\n" added_lines)
file(WRITE ${STAGE_DIR}/TestGuide.hhp "${project}${added_lines}\n")

# chmcmd warns about every file outside.html names; what it must put in the guide is checked
# by the tests.
execute_process(COMMAND ${CHMCMD} TestGuide.hhp WORKING_DIRECTORY ${STAGE_DIR}
  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS ${STAGE_DIR}/${compiled_name})
  message(FATAL_ERROR "chmcmd could not compile the test guide (exit ${result}):\n${report}${errors}")
endif()
file(RENAME ${STAGE_DIR}/${compiled_name} ${OUTPUT})
