# One static library per folder of src/, each linked to the folders it builds on and to nothing
# else. A library sees the headers of its own folder and of what it links, and no others, so an
# include that runs upwards or sideways fails to compile, and a call that does fails to link.
#
# Every folder's headers are reached through a folder of the build that holds one link named after
# the source folder ("keyboard" -> src/keyboard), and a library lists that folder publicly: its
# users see its headers, the folders it does not link stay out of sight. Where the file system
# makes no links, every library sees all of src/ and only the linking keeps the layers.

set(SCRIBIX_HEADER_ROOT ${PROJECT_BINARY_DIR}/folder-headers)

# scribix_folder_headers(<target> <folder> [PRIVATE]): <target> and, unless PRIVATE, its users
# see the headers of src/<folder>, as "<folder>/name.h".
function(scribix_folder_headers target folder)
  set(scope PUBLIC)
  if(ARGN STREQUAL "PRIVATE")
    set(scope PRIVATE)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  endif()
  set(dir ${SCRIBIX_HEADER_ROOT}/${folder})
  set(link ${dir}/${folder})
  if(NOT IS_SYMLINK ${link})
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${link} RESULT made SYMBOLIC)
    if(NOT made EQUAL 0)
      message(WARNING "No link for src/${folder} (${made}): the layers are kept by the links only")
      target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR}/src)
      return()
    endif()
  endif()
  target_include_directories(${target} ${scope} ${dir})
endfunction()

# scribix_folder_library(<folder> [LINKS <libraries...>] [NAMES <files...>])
# The library scribix_<folder> of every source in src/<folder>, linked to LINKS. NAMES are the
# folder's name tables (file and picture names the resource generator draws by): they form the
# small library scribix_<folder>_names, which the folder's library links and which a tool may link
# alone. A folder is added to the program with one call.
function(scribix_folder_library folder)
  cmake_parse_arguments(ARG "" "" "LINKS;NAMES" ${ARGN})
  set(src ${PROJECT_SOURCE_DIR}/src/${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${src}/*.cpp ${src}/*.h)
  set(library scribix_${folder})

  if(ARG_NAMES)
    set(names_library ${library}_names)
    set(names_sources)
    foreach(name ${ARG_NAMES})
      list(APPEND names_sources ${src}/${name})
      list(REMOVE_ITEM sources ${src}/${name})
    endforeach()
    list(FILTER names_sources INCLUDE REGEX "\\.cpp$")
    if(names_sources)
      add_library(${names_library} STATIC ${names_sources})
      target_link_libraries(${names_library} PUBLIC scribix_warnings)
    else()
      add_library(${names_library} INTERFACE)
    endif()
    scribix_folder_headers(${names_library} ${folder})
    list(APPEND ARG_LINKS ${names_library})
  endif()

  add_library(${library} STATIC ${sources})
  scribix_folder_headers(${library} ${folder})
  target_link_libraries(${library} PUBLIC ${ARG_LINKS} scribix_warnings)
endfunction()
