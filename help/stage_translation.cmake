# Lays out the sources of one translated guide in STAGE_DIR: the English pages, pictures and
# style, the language's own pages over them, its contents, and a project file that compiles to
# TavrelMarker_LANGUAGE.chm. Pages not yet translated thus read in English, and the pictures
# are shared with the English guide.
#   cmake -DSOURCE_DIR=help -DLANGUAGE=de -DLANGUAGE_ID="0x407 German (Germany)"
#         -DSTAGE_DIR=dir -P stage_translation.cmake
# The title of the help file is the title of the language's first page.

set(language_dir ${SOURCE_DIR}/${LANGUAGE})
file(REMOVE_RECURSE ${STAGE_DIR})
file(GLOB english_pages ${SOURCE_DIR}/*.html ${SOURCE_DIR}/*.css)
file(GLOB translated_pages ${language_dir}/*.html)
# A translated page is never laid over its English one: file(COPY) skips a file whose copy has
# the same time, as every file of a fresh checkout may have.
foreach(page ${translated_pages})
  get_filename_component(name ${page} NAME)
  list(REMOVE_ITEM english_pages ${SOURCE_DIR}/${name})
endforeach()
file(COPY ${english_pages} ${SOURCE_DIR}/images DESTINATION ${STAGE_DIR})
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
