# Common compile settings for every target of the project.
add_library(qv_options INTERFACE)
target_compile_options(qv_options INTERFACE
  -Wall -Wextra -Wpedantic -Werror
  -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
  -Wnull-dereference -Wimplicit-fallthrough)
target_compile_definitions(qv_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS QT_NO_FOREACH)
# GCC collects its garbage only once a compile holds a gigabyte, which none of ours reaches: about
# a tenth less time per source for a little more memory, the same code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(qv_options INTERFACE --param=ggc-min-expand=1000
                                              --param=ggc-min-heapsize=1048576)
endif()
# lld links the many test programs in a fraction of the time the default linker takes.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld QV_HAVE_LLD)
if(QV_HAVE_LLD)
  target_link_options(qv_options INTERFACE -fuse-ld=lld)
endif()
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

# qv_library(name SOURCES ... DEPS ... [MOC] [SEPARATE]): a static library of the client with the
# project's settings. MOC runs Qt's meta-object compiler over it, for a library that declares
# QObject classes. SEPARATE compiles its sources one by one instead of in groups, for a library
# whose sources share names in their anonymous namespaces.
function(qv_library name)
  cmake_parse_arguments(ARG "MOC;SEPARATE" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ${ARG_MOC})
  if(ARG_SEPARATE)
    set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
  endif()
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

# The standard and Qt headers that most of the client's sources and tests include.
set(QV_COMMON_HEADERS
  <algorithm> <chrono> <cstdint> <functional> <map> <memory> <optional> <span> <sstream> <string>
  <unordered_map> <utility> <variant> <vector>
  <QByteArray> <QColor> <QFont> <QHash> <QImage> <QList> <QMap> <QObject> <QString> <QVariant>)

# qv_precompiled_headers(owner DIRECTORIES ... HEADERS ...): compiles HEADERS once, in the target
# owner, and has every library and program under DIRECTORIES include that compiled form first.
# Most of a source's compile time is spent in the standard and Qt headers it includes; compiled
# once, they are read back from one file instead. Only targets built with the project's options
# and Qt's take part, as the compiler rejects the file for other settings (an error under -Werror);
# modules are compiled as position-independent code and are skipped too.
function(qv_precompiled_headers owner)
  cmake_parse_arguments(ARG "" "" "DIRECTORIES;HEADERS" ${ARGN})
  target_precompile_headers(${owner} PRIVATE ${ARG_HEADERS})
  set(pending ${ARG_DIRECTORIES})
  while(pending)
    list(POP_FRONT pending dir)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    list(APPEND pending ${subdirs})
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(target STREQUAL owner OR NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
        continue()
      endif()
      qv_linked_targets(${target} linked)
      if("qv_options" IN_LIST linked AND "Qt6::Core" IN_LIST linked)
        target_precompile_headers(${target} REUSE_FROM ${owner})
      endif()
    endforeach()
  endwhile()
endfunction()

# qv_linked_targets(target out): every target that target links, directly or through others.
function(qv_linked_targets target out)
  set(seen)
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    if(NOT TARGET ${current} OR current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND pending ${aliased})
    endif()
    get_target_property(type ${current} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND pending ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND pending ${interface})
    endif()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()
