# Lays out the sources of one translated guide in STAGE_DIR: the English pages, pictures and
# style, the language's own pages and pictures over them, its contents, and a project file that
# compiles to TavrelMarker_LANGUAGE.chm. Pages not yet translated thus read in English, and a
# picture not yet taken in the language shows the English window.
#   cmake -DSOURCE_DIR=help -DLANGUAGE=de -DLANGUAGE_ID="0x407 German (Germany)"
#         -DSTAGE_DIR=dir -P stage_translation.cmake
# The title of the help file is the title of the language's first page.

# Leaves out of the list LIST_NAME each English file of ENGLISH_DIR for which the language has
# its own, given after it: file(COPY) would not lay the language's file over the English one, as
# it skips a file whose copy has the same time, which every file of a fresh checkout may have.
function(leave_out_replaced list_name english_dir)
  set(files ${${list_name}})
  foreach(own ${ARGN})
    get_filename_component(name ${own} NAME)
    list(REMOVE_ITEM files ${english_dir}/${name})
  endforeach()
  set(${list_name} ${files} PARENT_SCOPE)
endfunction()

set(language_dir ${SOURCE_DIR}/${LANGUAGE})
file(REMOVE_RECURSE ${STAGE_DIR})
file(GLOB english_pages ${SOURCE_DIR}/*.html ${SOURCE_DIR}/*.css)
file(GLOB english_images ${SOURCE_DIR}/images/*.png)
file(GLOB translated_pages ${language_dir}/*.html)
file(GLOB own_images ${language_dir}/images/*.png)
leave_out_replaced(english_pages ${SOURCE_DIR} ${translated_pages})
leave_out_replaced(english_images ${SOURCE_DIR}/images ${own_images})
file(COPY ${english_pages} DESTINATION ${STAGE_DIR})
file(COPY ${english_images} ${own_images} DESTINATION ${STAGE_DIR}/images)
file(COPY ${translated_pages} ${language_dir}/contents.hhc DESTINATION ${STAGE_DIR})

file(READ ${language_dir}/index.html first_page)
if(NOT first_page MATCHES "<title>([^<]+)</title>")
  message(FATAL_ERROR "${language_dir}/index.html has no title")
endif()
set(title ${CMAKE_MATCH_1})

file(READ ${SOURCE_DIR}/TavrelMarker.hhp project)
string(REGEX REPLACE "Compiled file=[^\n]*" "Compiled file=TavrelMarker_${LANGUAGE}.chm"
       project "${project}")
string(REGEX REPLACE "Language=[^\n]*" "Language=${LANGUAGE_ID}" project "${project}")
string(REGEX REPLACE "Title=[^\n]*" "Title=${title}" project "${project}")
file(WRITE ${STAGE_DIR}/TavrelMarker_${LANGUAGE}.hhp "${project}")
