# Release programs without their debug information, which is kept beside
# them for crash analysis. With VARNELLO_SPLIT_DEBUG (the release preset,
# MinGW) everything is compiled with -g; after linking, a program's debug
# sections go to <name>.debug next to it, the program itself is stripped
# and names that file in its .gnu_debuglink section, where gdb finds it.
option(VARNELLO_SPLIT_DEBUG "Strip the programs and keep their debug information in .debug files" OFF)

if(VARNELLO_SPLIT_DEBUG AND NOT MSVC)
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "VARNELLO_SPLIT_DEBUG needs objcopy (binutils)")
  endif()
  add_compile_options(-g)
endif()

# Splits the debug information of the program target off after each link.
function(varnello_split_debug target)
  if(NOT VARNELLO_SPLIT_DEBUG OR MSVC)
    return()
  endif()
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> ${name}.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${name}.debug
            $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    COMMENT "Stripping ${name}; its debug information goes to ${name}.debug"
    VERBATIM)
endfunction()
