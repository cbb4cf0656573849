# The program is built in layers, from the bottom up (ARCHITECTURE.md):
set(VARNELLO_LAYERS base framework res list wallpaper dialogs view app)
# Each folder is one library that links the layer below it. A target sees
# the headers of its own layer and of the layers below only, through a
# folder of links made for it (directory junctions on a Windows host), so an
# include that runs upward does not compile. Sources in a folder's win/
# subfolder are built for Windows only.

# Warnings are errors in the project's own code.
function(varnello_strict target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /WX)
  else()
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Lets target include the headers of the layers up to and including top.
function(varnello_see_layers target top)
  list(FIND VARNELLO_LAYERS ${top} last)
  if(last LESS 0)
    message(FATAL_ERROR "unknown layer ${top}")
  endif()
  set(dir ${CMAKE_BINARY_DIR}/layers/${top})
  file(MAKE_DIRECTORY ${dir})
  foreach(i RANGE ${last})
    list(GET VARNELLO_LAYERS ${i} layer)
    set(link ${dir}/${layer})
    if(CMAKE_HOST_WIN32)
      # A symbolic link needs a privilege that a Windows account seldom
      # holds; a directory junction needs none.
      if(NOT IS_SYMLINK ${link} AND NOT EXISTS ${link})
        file(TO_NATIVE_PATH ${link} native_link)
        file(TO_NATIVE_PATH ${CMAKE_SOURCE_DIR}/${layer} native_target)
        execute_process(COMMAND cmd /c mklink /J ${native_link} ${native_target}
          RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(NOT result EQUAL 0)
          message(FATAL_ERROR "cannot make the junction ${link}: ${output}")
        endif()
      endif()
    elseif(NOT IS_SYMLINK ${link})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${layer} ${link} SYMBOLIC)
    endif()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${dir})
  else()
    target_include_directories(${target} PRIVATE ${dir})
  endif()
endfunction()

# Builds target (an executable) strictly on the layers up to and including
# layer: sees their headers and links their libraries.
function(varnello_uses target layer)
  varnello_strict(${target})
  varnello_see_layers(${target} ${layer})
  target_link_libraries(${target} PRIVATE varnello_${layer})
endfunction()

# Makes the library varnello_<name> of the calling folder, linked to the
# library of the layer below (none for the bottom layer) and to the given
# system libraries on Windows. main.cpp files belong to executables.
function(varnello_layer name)
  cmake_parse_arguments(L "" "BELOW" "WIN_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(WIN32)
    file(GLOB win_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win/*.cpp)
    list(APPEND sources ${win_sources})
  endif()
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(target varnello_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    set(scope PUBLIC)
    varnello_strict(${target})
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  varnello_see_layers(${target} ${name})
  if(L_BELOW)
    target_link_libraries(${target} ${scope} varnello_${L_BELOW})
  endif()
  if(WIN32 AND L_WIN_LIBS)
    target_link_libraries(${target} ${scope} ${L_WIN_LIBS})
  endif()
endfunction()
