# Each layer's headers are reached as "<folder>/<name>.h" from the repository root, so the
# root itself would make every layer's headers visible to every other. Instead each
# library gets an include folder of its own in the build tree, holding links to the headers
# it offers and nothing else: a layer that includes a header of a layer it may not use
# fails to compile. runtime/win32/ sits inside runtime/, so headers are linked one by one
# rather than by folder.

set(TALQO_LAYER_INCLUDE_ROOT ${PROJECT_BINARY_DIR}/layer_include)
# Links to headers that a list no longer names must not outlive it.
file(REMOVE_RECURSE ${TALQO_LAYER_INCLUDE_ROOT})

# talqo_offer_headers(<target> <PUBLIC|INTERFACE|PRIVATE> <header>...)
# Headers are named relative to the calling CMakeLists.txt and offered under their path
# from the repository root.
function(talqo_offer_headers target scope)
  set(include_dir ${TALQO_LAYER_INCLUDE_ROOT}/${target})
  foreach(header IN LISTS ARGN)
    get_filename_component(source ${header} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    file(RELATIVE_PATH offered ${PROJECT_SOURCE_DIR} ${source})
    get_filename_component(offered_dir ${include_dir}/${offered} DIRECTORY)
    file(MAKE_DIRECTORY ${offered_dir})
    file(CREATE_LINK ${source} ${include_dir}/${offered} SYMBOLIC COPY_ON_ERROR)
    # Where links cannot be made (Windows without the privilege) the copy is refreshed
    # whenever its header changes.
    if(NOT IS_SYMLINK ${include_dir}/${offered})
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${include_dir})
endfunction()
