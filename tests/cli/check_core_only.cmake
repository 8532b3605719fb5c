# TOOL: the executable; LINKED: comma-separated libraries on its link line.
string(REPLACE "," ";" linked "${LINKED}")
set(gui ${linked})
list(FILTER gui INCLUDE REGEX "Qt[0-9]*::(Gui|Widgets|PrintSupport|OpenGL)")
if(gui)
    message(FATAL_ERROR "${TOOL} links Qt GUI modules: ${gui}")
endif()
if(NOT "${linked}" MATCHES "Qt6::Core")
    message(FATAL_ERROR "no Qt6::Core on the link line of ${TOOL}: the check sees nothing")
endif()

# What the loader brings in: the linker may keep more than the link line asks.
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "${TOOL}"
    RESOLVED_DEPENDENCIES_VAR resolved
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
set(loaded ${resolved} ${unresolved})
list(FILTER loaded INCLUDE REGEX "Qt[0-9]*(Gui|Widgets|PrintSupport)")
if(loaded)
    message(FATAL_ERROR "${TOOL} loads Qt GUI libraries: ${loaded}")
endif()
message(STATUS "${TOOL} links and loads Qt Core without Gui or Widgets: ${linked}")
