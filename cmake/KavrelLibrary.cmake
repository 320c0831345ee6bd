# The layers of docs/architecture.md, held by the build.
#
#   kavrel_library(<target> <folder> [DEPENDS <target>...] [PRIVATE <target>...]
#                  [EXCLUDE <file name>...])
#
# makes the static library <target> of every .cpp and .h directly in
# src/<folder> (a file added there needs no edit here; EXCLUDE leaves named
# files out, such as a program's main.cpp). Its headers are reached only
# through an include root of its own in the build tree,
# <build>/include/<target>/<folder>/, which holds one link per header of the
# folder and nothing else, so "records/RecordItem.h" resolves only for a
# target that links kavrel_records, directly or through a library that
# DEPENDS on it. DEPENDS are the libraries the layer table lets the folder
# include: linked PUBLIC, they bring their own roots and no other; an include
# outside them does not compile. PRIVATE are outside libraries only the
# folder's own sources use.
#
# A subfolder that is a library of its own (excel/workbook) is not reachable
# through its parent's root, since the root links headers, not folders.
#
# Every library's sources are noted in the global property
# KAVREL_LIBRARY_SOURCES (for the translations).

set(KAVREL_INCLUDE_ROOTS ${PROJECT_BINARY_DIR}/include)

# The include root of `folder` for `target`: one link per header in `headers`.
function(kavrel_include_root target folder scope)
  set(root ${KAVREL_INCLUDE_ROOTS}/${target})
  set(linked ${root}/${folder})
  file(MAKE_DIRECTORY ${linked})
  # A header gone from the folder goes from the root too.
  file(GLOB stale LIST_DIRECTORIES false ${linked}/*.h)
  foreach(header IN LISTS ARGN)
    get_filename_component(name ${header} NAME)
    list(REMOVE_ITEM stale ${linked}/${name})
    file(CREATE_LINK ${header} ${linked}/${name} SYMBOLIC)
  endforeach()
  if(stale)
    file(REMOVE ${stale})
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()

function(kavrel_library target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "DEPENDS;PRIVATE;EXCLUDE")
  set(directory ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${directory}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${directory}/*.h)
  foreach(name IN LISTS arg_EXCLUDE)
    list(REMOVE_ITEM sources ${directory}/${name})
    list(REMOVE_ITEM headers ${directory}/${name})
  endforeach()
  add_library(${target} STATIC ${sources} ${headers})
  kavrel_include_root(${target} ${folder} PUBLIC ${headers})
  target_link_libraries(${target} PUBLIC Qt6::Core ${arg_DEPENDS})
  if(arg_PRIVATE)
    target_link_libraries(${target} PRIVATE ${arg_PRIVATE})
  endif()
  kavrel_warnings(${target})
  set_property(GLOBAL APPEND PROPERTY KAVREL_LIBRARY_SOURCES ${sources} ${headers})
endfunction()
