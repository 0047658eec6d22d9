# Common compile settings for every target of the project.
add_library(qv_options INTERFACE)
target_compile_options(qv_options INTERFACE
  -Wall -Wextra -Wpedantic -Werror
  -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
  -Wnull-dereference -Wimplicit-fallthrough)
target_compile_definitions(qv_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS QT_NO_FOREACH)
if(QV_SANITIZE)
  target_compile_options(qv_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
  target_link_options(qv_options INTERFACE -fsanitize=address,undefined)
endif()

# Adds every existing sub-folder of the list, so each folder owns its own CMakeLists.txt.
function(qv_add_subdirectories)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# qv_library(name SOURCES ... DEPS ...): a static library of the client with the project's settings.
function(qv_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC qv_options ${ARG_DEPS})
endfunction()

# qv_headers(name HEADERS ... DEPS ...): a subsystem whose public part is headers only.
function(qv_headers name)
  cmake_parse_arguments(ARG "" "" "HEADERS;DEPS" ${ARGN})
  add_library(${name} INTERFACE ${ARG_HEADERS})
  target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} INTERFACE qv_options ${ARG_DEPS})
endfunction()
