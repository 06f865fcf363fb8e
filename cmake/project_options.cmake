# Flags shared by every target of ours (third-party code is compiled without them).
add_library(qfv_options INTERFACE)
target_compile_options(qfv_options INTERFACE -Wall -Wextra -Wpedantic -Werror)
target_include_directories(qfv_options INTERFACE ${CMAKE_SOURCE_DIR}/src)

if(WIN32)
  target_compile_definitions(qfv_options INTERFACE
    UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Without a static runtime the exe does not start under Wine (no MinGW DLLs there).
  target_link_options(qfv_options INTERFACE -static -static-libgcc -static-libstdc++)
  # A release build is built for size and keeps only the code it reaches, without symbols.
  target_compile_options(qfv_options INTERFACE $<$<CONFIG:Release>:-Os -ffunction-sections -fdata-sections>)
  target_link_options(qfv_options INTERFACE $<$<CONFIG:Release>:-Wl,--gc-sections -s>)
elseif(QFV_SANITIZE)
  target_compile_options(qfv_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(qfv_options INTERFACE -fsanitize=address,undefined)
endif()

# Adds a library of ours: qfv_library(name SOURCES ... DEPS ...)
function(qfv_library name)
  cmake_parse_arguments(arg "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${arg_SOURCES})
  target_link_libraries(${name} PUBLIC qfv_options ${arg_DEPS})
endfunction()
