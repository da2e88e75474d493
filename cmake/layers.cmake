# Each folder is one static library, and its headers are included with the folder's name
# ("framework/dialog.h"). The name resolves through an include root in the build tree that
# holds nothing but a link to that one folder, so a library sees exactly its own headers and
# those of the libraries it links: an include across a missing edge fails the build.
function(sealwick_include_root target scope folder)
  set(root ${CMAKE_BINARY_DIR}/include/${folder})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# sealwick_library(name [FOLDER folder] SOURCES ... [PUBLIC libs] [PRIVATE libs])
# PUBLIC lists what the library's own headers include; everything else is PRIVATE.
function(sealwick_library name)
  cmake_parse_arguments(L "" "FOLDER" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  if(NOT L_FOLDER)
    set(L_FOLDER ${name})
  endif()
  add_library(${name} STATIC ${L_SOURCES})
  sealwick_include_root(${name} PUBLIC ${L_FOLDER})
  target_link_libraries(${name} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
endfunction()
