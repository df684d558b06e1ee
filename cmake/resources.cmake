# Build-time resources embedded into the core under their resource names.
#
#   quillor_add_resource(NAME <name> FILE <path> [DEPENDS <targets or files>...])
#
# registers a file (usually produced at build time by a generator in tools/)
# under a name such as ROM12K or CHRGENS1. After every resource is registered,
# quillor_embed_resources(<target>) turns them into one compiled table that
# src/resources/embedded_resources.h looks up by name.

define_property(GLOBAL PROPERTY QUILLOR_RESOURCE_NAMES
  BRIEF_DOCS "Names of embedded resources" FULL_DOCS "Names of embedded resources")

function(quillor_add_resource)
  cmake_parse_arguments(ARG "" "NAME;FILE" "DEPENDS" ${ARGN})
  if(NOT ARG_NAME OR NOT ARG_FILE)
    message(FATAL_ERROR "quillor_add_resource needs NAME and FILE")
  endif()
  get_property(names GLOBAL PROPERTY QUILLOR_RESOURCE_NAMES)
  if(ARG_NAME IN_LIST names)
    message(FATAL_ERROR "resource ${ARG_NAME} registered twice")
  endif()
  set_property(GLOBAL APPEND PROPERTY QUILLOR_RESOURCE_NAMES ${ARG_NAME})
  set_property(GLOBAL PROPERTY QUILLOR_RESOURCE_FILE_${ARG_NAME} ${ARG_FILE})
  set_property(GLOBAL PROPERTY QUILLOR_RESOURCE_DEPENDS_${ARG_NAME} ${ARG_DEPENDS})
endfunction()

function(quillor_embed_resources target)
  get_property(names GLOBAL PROPERTY QUILLOR_RESOURCE_NAMES)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_resources_table.cpp)
  set(args)
  set(deps)
  foreach(name IN LISTS names)
    get_property(file GLOBAL PROPERTY QUILLOR_RESOURCE_FILE_${name})
    get_property(extra GLOBAL PROPERTY QUILLOR_RESOURCE_DEPENDS_${name})
    list(APPEND args "${name}=${file}")
    list(APPEND deps ${file} ${extra})
  endforeach()
  add_custom_command(
    OUTPUT ${output}
    COMMAND quillor-embed ${output} ${args}
    DEPENDS quillor-embed ${deps}
    COMMENT "Embedding resources"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
